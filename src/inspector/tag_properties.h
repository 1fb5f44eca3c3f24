#pragma once
// The property inspector's engine: a tag's text read into the attributes the tag database knows for it
// (with the values as written) and everything else (kept word for word), the rows the inspector shows,
// the value as it is edited, and the tag rebuilt from the rows. Nothing in the tag is lost on the way:
// unknown attributes and bare words travel along and are written after the known ones.
#include "tagdb/records.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tamsel {

class TagDatabase;

// A tag's text as the inspector receives it: every control character a blank, runs of blanks one.
QString normalised_tag_text(QStringView tag);

// The upper-cased key of the tag the inspector opens for text (normalised), or empty when it does not:
// an end tag, blank text, or a name the database does not know.
QString inspectable_tag_key(const QString& text, const TagDatabase& db);

struct ParsedAttribute {
    QString name;   // upper case
    QString value;  // as written, quotes included
};

struct ParsedTag {
    QString key;                   // the tag name in upper case
    QList<ParsedAttribute> known;  // attributes the database lists for the tag, in the tag's order
    QString extra;                 // the rest: unknown attributes (name upper-cased) and bare words
    bool closes_itself = false;    // written "<br/>" or "<img ... />", as XHTML pages write empty elements
};

// Reads tag ("<" ... ">") against attributes, the database's records of the tag. Blanks around "=" are
// closed up outside quoted values only, so a value keeps its text.
ParsedTag parse_tag(QStringView tag, const QList<AttrRecord>& attributes);

struct PropertyRow {
    QString name;        // as the database stores it; a header's title
    QString value;       // as it will be written; a header repeats its title
    int attribute = -1;  // index into the records the rows were made from; -1 for a header
    bool is_header() const { return attribute < 0; }
};

// "Tag Attributes", the tag's attributes that are not events, "Events", then the events, each in
// database order with the first value the tag gave it.
QList<PropertyRow> property_rows(const ParsedTag& tag, const QList<AttrRecord>& attributes);

// The value as the editor shows it: one layer of quotes taken off.
QString editable_value(QStringView value);

// The items of a choice attribute: its choices split at "," and trimmed.
QStringList choice_items(QStringView choices);

// A value as the rebuilt tag writes it: bare when it is a plain word; in double quotes when it holds a
// blank or one of "'=<>`; in single quotes when it holds a double quote; in double quotes with &quot;
// when it holds both kinds of quote. The quotes it was written in come off first, also an opening quote
// that was never closed.
QString written_value(QString value);

// The tag rebuilt from the rows: the upper-case key, the rows with a value in database order, then extra.
// A row whose value is empty is left out. A tag that closed itself ends with " />" again.
QString rebuild_tag(const QString& key, const QList<PropertyRow>& rows, const QString& extra, bool closes_itself = false);

}  // namespace tamsel
