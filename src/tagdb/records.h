#pragma once
// The records of the six database files, as they are held in memory.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tamsel {

// Closing-tag codes of a tag record; a tag whose code is not None is a container.
enum ClosingTag : std::uint8_t { closing_none = 0, closing_required = 1, closing_optional = 2 };

// A record number handed back by lookups when nothing matches.
constexpr int not_found = -1;

struct TagRecord {
    std::uint8_t category = 0;
    QString key;  // upper-case tag name: the sort and lookup key
    QString name;
    QString description;
    bool break_before_open = false;
    bool break_after_open = false;
    bool break_before_close = false;
    bool break_after_close = false;
    bool indent = false;
    bool use_wizard = false;
    std::uint8_t closing_tag = closing_none;
    QString parents;  // upper-case tag names joined by ","

    bool is_container() const { return closing_tag != closing_none; }
    bool operator==(const TagRecord&) const = default;
};

struct AttrRecord {
    QString tag;  // key of the owning tag
    QString name;
    std::uint8_t type = 0;
    QString choices;  // values joined by "," for the type Choice
    bool required = false;
    bool operator==(const AttrRecord&) const = default;
};

// Carried through unchanged: text, byte, text.
struct StylesheetRecord {
    QString property;
    std::uint8_t group = 0;
    QString values;
    bool operator==(const StylesheetRecord&) const = default;
};

struct ColorRecord {
    QString name;
    QString value;  // "#RRGGBB"
    bool operator==(const ColorRecord&) const = default;
};

struct VocabEntry {
    QString lower;    // the word in lower case: the sort key
    QString written;  // the word as written
    bool operator==(const VocabEntry&) const = default;
};

constexpr int config_reserved_size = 20;

struct ConfigRecord {
    std::int16_t version = 1;
    QString notice;
    QByteArray reserved = QByteArray(config_reserved_size, '\0');
    bool operator==(const ConfigRecord&) const = default;
};

}  // namespace tamsel
