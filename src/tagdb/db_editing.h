#pragma once
// The rules of the database editors over the in-memory tables: deleting with the marker (the records go
// at the next sort), the tag editor's and the attribute editor's working copies and what their "OK"
// accepts or refuses, and the parent check. Every change sets the flags the browser reads (db_changed,
// tags_need_sort, attrs_need_sort); nothing here writes a file.
#include "tagdb/records.h"

#include <QString>

namespace tamsel {

class TagDatabase;

// Marks the tag of key and every attribute of it deleted. False when no record had the key.
bool delete_tag(TagDatabase& db, const QString& key);
// Marks the attribute (any letter case) of the tag key deleted. False when the tag has no such attribute.
bool delete_attribute(TagDatabase& db, const QString& key, const QString& attribute);

// The tag editor's working copy: the record it came from (0 for a new one) and the copy.
struct TagEdit {
    int record = 0;
    TagRecord copy;
};
// The copy of the tag named name (exactly); a new record when there is none.
TagEdit open_tag_edit(const TagDatabase& db, const QString& name);

// "OK" of the tag editor, given what its controls hold as a record (name, description, category,
// closing rule, flags, parents). Empty when accepted (the table changed); otherwise the refusal's text,
// the table unchanged. A new key moves the attributes of the old one with it (a new tag's attributes carry the
// empty key). keep_wizard_and_parents: the reduced editor leaves those two as the record had them.
QString save_tag(TagDatabase& db, TagEdit& edit, const TagRecord& fields, bool keep_wizard_and_parents = false);

// Why name cannot be a required parent ("'X' is not a defined HTML Tag", "... container type Tag"), or
// empty with upper set to the name to list.
QString parent_refusal(const TagDatabase& db, const QString& name, QString* upper);

// The attribute editor's working copy for the tag key.
struct AttrEdit {
    int record = 0;
    QString key;
    AttrRecord copy;
};
AttrEdit open_attr_edit(const TagDatabase& db, const QString& tag_name, const QString& attribute);

// Whether "OK" of the attribute editor may be pressed: a name, and a comma among the choices of a Choice.
bool attribute_acceptable(const QString& name, int type, const QString& choices);

// "OK" of the attribute editor: empty when accepted, otherwise the refusal's text.
QString save_attribute(TagDatabase& db, AttrEdit& edit, const QString& name, int type, const QString& choices, bool required);

}  // namespace tamsel
