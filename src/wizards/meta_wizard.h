#pragma once
// The meta tag wizard's engine: the head of a page read into the fields the wizard edits (title,
// description, keywords, author, character set, robots) and written back as one block after the head's
// start tag. META tags the wizard does not manage are kept exactly as they were, and a content value keeps
// every character: nothing in the head is lost that the user did not change.
#include "wizards/page_structure.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace tamsel {

// The character sets offered; the first entry means none. A page that declares another keeps it.
inline constexpr std::array<QStringView, 23> meta_character_sets = {
    u"", u"GB2312", u"US-ASCII", u"ISO-8859-1", u"ISO-8859-2", u"ISO-8859-3", u"ISO-8859-4", u"ISO-8859-5",
    u"ISO-8859-6", u"ISO-8859-7", u"ISO-8859-8", u"ISO-8859-9", u"ISO-2022-JP", u"ISO-2022-JP-2", u"ISO-2022-KR",
    u"SHIFT_JIS", u"EUC-KR", u"BIG5", u"KOI8-R", u"KSC_5601", u"HZ-GB-2312", u"JIS_X0208", u"UTF-8",
};

// One attribute of a tag: its name in lower case and its value without the quotes around it.
struct TagAttribute {
    QString name;
    QString value;
};
// The attributes of the tag at text[from] ("<meta ...>"), read as a browser reads them.
QList<TagAttribute> tag_attributes(QStringView tag);

// What the head says, as the wizard found it.
struct HeadMetas {
    QString title;             // as it stands in the source, trimmed
    QString description;
    QString keywords;
    QString author;
    QString robots;            // empty when the page has no robots tag
    QString character_set;     // from a content-type tag or <meta charset>
    bool charset_form = false;  // the character set came as <meta charset="...">
    QString expires_tag;       // an expires tag, written back as it was
    QStringList kept_tags;     // every other META tag of the head, word for word
};

// Reads the title and the META tags of the head (the text before "</head").
HeadMetas read_head_metas(QStringView text);

// The wizard's fields.
struct MetaFields {
    QString title;
    QString description;
    QString keywords;
    QString author;
    // One of meta_character_sets in its spelling, the page's own when the list lacks it; empty for none.
    QString character_set;
    bool no_follow = true;
    bool no_index = true;
};

// The fields for a head. A page that declares no character set shows default_set (the encoding the
// document is stored in), so that finishing never declares one the bytes are not in.
MetaFields fields_of(const HeadMetas& head, QStringView default_set);

// The block of tags the fields give, each followed by line_end: the managed tags in their fixed order,
// then the kept ones. generator is the program's name for the generator tag.
QString meta_block(const MetaFields& fields, const HeadMetas& head, const QString& generator, const QString& line_end);

// Rewrites the page's head: the title and the META tags of the head removed (with the line each stood
// alone on), the block inserted after the head's start tag. One undo step. False without a head.
bool write_head_metas(PageEditor& page, const MetaFields& fields, const QString& generator);

}  // namespace tamsel
