#include "tagdb/db_editing.h"

#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"

namespace tamsel {
namespace {

// A name the scanner could never meet in a page, or one that would break the readable sources' columns.
QString name_refusal(const QString& name, const QString& what) {
    for (const QChar c : name)
        if (c.isSpace() || c.unicode() < 0x20 || QStringView(u"<>=\"'/|").contains(c))
            return QStringLiteral("%1 '%2' cannot hold blanks or any of < > = \" ' / |").arg(what, name);
    return {};
}

}  // namespace

bool delete_tag(TagDatabase& db, const QString& key) {
    db.db_changed = true;
    bool any = false;
    for (AttrRecord& a : db.edit_attrs())
        if (a.tag == key) {
            a.tag = deleted_marker;
            any = db.attrs_need_sort = true;
        }
    Table<TagRecord>& tags = db.edit_tags();
    for (qsizetype i = 1; i < tags.size(); ++i)
        if (tags[i].key == key) {
            tags[i].key = deleted_marker;
            any = db.tags_need_sort = true;
        }
    return any;
}

bool delete_attribute(TagDatabase& db, const QString& key, const QString& attribute) {
    db.db_changed = true;
    const QString upper = attribute.toUpper();
    bool any = false;
    for (AttrRecord& a : db.edit_attrs())
        if (a.tag == key && a.name.toUpper() == upper) {
            a.tag = deleted_marker;
            any = db.attrs_need_sort = true;
        }
    return any;
}

TagEdit open_tag_edit(const TagDatabase& db, const QString& name) {
    TagEdit edit;
    edit.copy.category = category_other;
    edit.copy.use_wizard = true;
    if (name.isEmpty()) return edit;
    for (int i = 1; i <= db.tag_count(); ++i)
        if (db.tags()[i].name == name) return {i, db.tags()[i]};
    return edit;
}

QString save_tag(TagDatabase& db, TagEdit& edit, const TagRecord& f, bool keep_wizard_and_parents) {
    const QString name = f.name.trimmed();
    if (name.isEmpty()) return QStringLiteral("A tag needs a name");
    if (const QString refusal = name_refusal(name, QStringLiteral("A tag name")); !refusal.isEmpty()) return refusal;
    const QString key = name.toUpper();
    Table<TagRecord>& tags = db.edit_tags();
    if (key != edit.copy.key) {
        for (qsizetype i = 1; i < tags.size(); ++i)
            if (tags[i].key == key) return QStringLiteral("Duplicate TagName\r\n%1 is already in database").arg(name);
        db.tags_need_sort = true;
        // The attributes follow the tag to its new key; those added to a new tag carry the empty key.
        for (AttrRecord& a : db.edit_attrs())
            if (a.tag == edit.copy.key) {
                a.tag = key;
                db.attrs_need_sort = true;
            }
        edit.copy.name = name;
        edit.copy.key = key;
    }
    if (f.category != edit.copy.category) db.tags_need_sort = true;
    // The controls' record, with the name and key just settled; the reduced editor keeps the wizard
    // setting and the parents the record had.
    TagRecord r = f;
    r.name = edit.copy.name;
    r.key = edit.copy.key;
    if (keep_wizard_and_parents) {
        r.use_wizard = edit.copy.use_wizard;
        r.parents = edit.copy.parents;
    }
    edit.copy = r;
    if (edit.record > 0 && edit.record < tags.size()) {
        tags[edit.record] = r;
    } else {
        tags.append(r);
        edit.record = static_cast<int>(tags.size()) - 1;
        db.tags_need_sort = true;
    }
    db.db_changed = true;
    return {};
}

QString parent_refusal(const TagDatabase& db, const QString& name, QString* upper) {
    QString key;
    const int record = db.lookup_tag(name.trimmed(), &key);
    if (upper) *upper = key;
    if (record <= 0) return QStringLiteral("'%1' is not a defined HTML Tag").arg(key);
    if (!db.tags()[record].is_container()) return QStringLiteral("'%1' is not a container type Tag").arg(key);
    return {};
}

AttrEdit open_attr_edit(const TagDatabase& db, const QString& tag_name, const QString& attribute) {
    AttrEdit edit;
    edit.key = tag_name.toUpper();
    edit.copy.type = type_text;
    const QString upper = attribute.toUpper();
    const Table<AttrRecord>& attrs = db.attrs();
    for (qsizetype i = 1; i < attrs.size() && !upper.isEmpty(); ++i)
        if (attrs[i].tag == edit.key && attrs[i].name.toUpper() == upper) return {static_cast<int>(i), edit.key, attrs[i]};
    return edit;
}

bool attribute_acceptable(const QString& name, int type, const QString& choices) {
    return !name.trimmed().isEmpty() && (type != type_choice || choices.contains(QLatin1Char(',')));
}

QString save_attribute(TagDatabase& db, AttrEdit& edit, const QString& name, int type, const QString& choices, bool required) {
    const QString trimmed = name.trimmed();
    if (!attribute_acceptable(trimmed, type, choices)) return QStringLiteral("An attribute needs a name, and a Choice needs its choices joined by \",\"");
    if (const QString refusal = name_refusal(trimmed, QStringLiteral("An attribute name")); !refusal.isEmpty()) return refusal;
    Table<AttrRecord>& attrs = db.edit_attrs();
    if (trimmed.toUpper() != edit.copy.name.toUpper()) {
        for (qsizetype i = 1; i < attrs.size(); ++i)
            if (attrs[i].tag == edit.key && attrs[i].name.toUpper() == trimmed.toUpper())
                return QStringLiteral("Duplicate Attribute\r\n%1 is already in database").arg(trimmed);
        db.attrs_need_sort = true;
        edit.copy.name = trimmed;
        edit.copy.tag = edit.key;
    }
    if (type != edit.copy.type) db.attrs_need_sort = true;
    edit.copy.type = static_cast<std::uint8_t>(type);
    edit.copy.choices = choices;
    edit.copy.required = required;
    if (edit.record > 0 && edit.record < attrs.size()) {
        attrs[edit.record] = edit.copy;
    } else {
        attrs.append(edit.copy);
        edit.record = static_cast<int>(attrs.size()) - 1;
        db.attrs_need_sort = true;
    }
    db.db_changed = true;
    return {};
}

}  // namespace tamsel
