#pragma once
// The checks of one complete tag against the tag database: quotes, attributes, required attributes,
// required parents and closing tags. Tags that take part in nesting are filed into the page's tag list.
#include "analyze/result_list.h"
#include "analyze/tag_list.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tamsel {

class TagDatabase;

class TagChecker {
public:
    TagChecker(const TagDatabase& db, TagList& tags, ProblemReporter& reporter);

    // The tag text from "<" to ">" and its record number (-1 when the database has no such tag); a start
    // tag written "<x/>" is complete and waits for no end tag.
    void check_tag(const QString& tag, int index, bool self_closed = false);
    // A tag of inline SVG or MathML: only its quotes are HTML's business.
    void check_foreign_tag(const QString& tag);

private:
    struct TagUnderTest {
        QString text;   // the tag with blanks around "=" closed
        QString key;    // the database key, empty when the tag is unknown
        QSet<QString> attribute_names;
    };

    // What the checks need of a tag's attribute records, gathered once per tag key.
    struct KnownAttributes {
        QSet<QString> names;    // upper-cased
        QStringList required;   // names as stored
    };

    void check_quotes_and_attributes(TagUnderTest& tag);
    void check_attribute(TagUnderTest& tag, QStringView token);
    void check_required_attributes(const TagUnderTest& tag);
    void check_parents(const QString& parents, const QString& key);
    const KnownAttributes& attributes_of(const QString& key);

    const TagDatabase& db_;
    TagList& tags_;
    ProblemReporter& reporter_;
    QHash<QString, KnownAttributes> attribute_cache_;
};

}  // namespace tamsel
