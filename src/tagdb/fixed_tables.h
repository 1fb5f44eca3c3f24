#pragma once
// The fixed tables of the tag database: category names, attribute type names, character entities.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <array>

namespace tamsel {

struct CategoryName {
    int code;  // the code stored in a tag record
    QStringView name;
};

// Positions 1..12 of the category lists; position 0 stays empty and the last position stands for code 99.
inline constexpr std::array<CategoryName, 13> category_names = {{
    {0, u""},
    {1, u"Top-level Elements"},
    {2, u"Head Elements"},
    {3, u"Generic Block-level Elements"},
    {4, u"Tables"},
    {5, u"Forms"},
    {6, u"Frames"},
    {7, u"Layers"},
    {8, u"Lists"},
    {9, u"Phrase Elements"},
    {10, u"Special Inline Elements"},
    {11, u"Font Style Elements"},
    {99, u"Other"},
}};

constexpr int category_other = 99;

// The list position of a category code, or 0 when the code belongs to no group.
constexpr int category_position(int code) {
    for (std::size_t i = 1; i < category_names.size(); ++i)
        if (category_names[i].code == code) return static_cast<int>(i);
    return 0;
}

// The code a list position stands for, or 0 for a position outside 1..12.
constexpr int category_code(int position) {
    return (position >= 1 && position < static_cast<int>(category_names.size())) ? category_names[position].code : 0;
}

enum AttrType : int {
    type_text = 1, type_integer, type_choice, type_file, type_font, type_font_size,
    type_percent, type_url, type_color, type_graphic, type_event, type_boolean,
};

inline constexpr std::array<QStringView, 13> attr_type_names = {
    u"", u"Text", u"Integer", u"Choice", u"File", u"Font", u"FontSize",
    u"Percent", u"URL", u"Color", u"Graphic", u"Event", u"Boolean",
};

// The type name of a code; empty for 0 and for codes outside the table.
inline QString attr_type_name(int code) {
    return (code >= 0 && code < static_cast<int>(attr_type_names.size())) ? attr_type_names[code].toString() : QString();
}

struct EntitySource {
    QStringView char_text;
    QStringView name;
};

// The entity rows in the order build_entity_table adds them; "'''" stands for the double quotation mark.
extern const std::array<EntitySource, 154> entity_sources;

struct Entity {
    QString char_text;  // a literal character text, or "#" and the decimal code
    QString name;       // the name between "&" and ";", the "#" form, or empty
    int code = 0;       // the number after "#", 0 for a literal character
};

class EntityTable {
public:
    static constexpr int capacity = 155;

    void clear();
    void add_entity(const QString& char_text, const QString& name);
    void build_entity_table();

    int count() const { return static_cast<int>(entries_.size()); }
    int low_count() const { return low_count_; }
    const Entity& at(int i) const { return entries_[i]; }
    const QList<Entity>& entries() const { return entries_; }

    // The entry with this name (names are case-sensitive), or -1. An empty name is never found.
    int find_name(const QString& name) const;
    // The first entry with this character code (codes 0 excluded), or -1.
    int find_code(int code) const;

private:
    QList<Entity> entries_;
    int low_count_ = 0;
    QHash<QString, int> by_name_;
    QHash<int, int> by_code_;
};

}  // namespace tamsel
