#pragma once
// The META tag reader: turns the text of one META tag into a normalised tag and files its name, kind and
// content into the meta slots the scanner and the meta tag wizard share.
#include <QString>
#include <array>

namespace tamsel {

// Slot numbers of the meta names; any other name is kept in other_metas.
enum MetaSlot : int {
    meta_content_type = 1, meta_expires = 2, meta_title = 3, meta_keywords = 4, meta_description = 5,
    meta_author = 6, meta_robots = 7, meta_generator = 9, meta_other = 99,
};

struct MetaSlots {
    static constexpr int slot_count = 10;  // slot 0 is not used
    std::array<QString, slot_count> meta_names;  // lower case ("keywords"), "title" for slot 3
    std::array<QString, slot_count> meta_kinds;  // "NAME" or "HTTP-EQUIV"
    std::array<QString, slot_count> meta_slots;  // the content
    QString other_metas;                         // normalised tags of other names, each followed by CR LF

    // Empties slots 1 to 9 (other_metas stays).
    void clear_slots();
};

// The slot a meta name belongs to: 1-9, or meta_other.
int meta_slot_of(const QString& lower_name);

// Normalises the META tag text in place to <META KIND="name" content="value"> and, when store is set, files
// it into slots. Returns the slot, or 0 for a tag that names nothing (left as it was, not stored).
int parse_meta_tag(QString& tag, bool store, MetaSlots& metas);

}  // namespace tamsel
