#pragma once
// The checks of one complete tag against the tag database: quotes, attributes, required attributes,
// required parents and closing tags. Tags that take part in nesting are filed into the page's tag list.
#include "analyze/result_list.h"
#include "analyze/tag_list.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tamsel {

class TagDatabase;

class TagChecker {
public:
    TagChecker(const TagDatabase& db, TagList& tags, ProblemReporter& reporter);

    // The tag text from "<" to ">" and its name upper-cased without "/" (empty when the tag has none); a
    // start tag written "<x/>" is complete and waits for no end tag.
    void check_tag(const QString& tag, const QString& upper_name, bool self_closed = false);
    // A tag of inline SVG or MathML: only its quotes are HTML's business.
    void check_foreign_tag(const QString& tag);

private:
    // What the checks need of one tag name, gathered from the database the first time a page uses it.
    struct TagFacts {
        int index = -1;            // the record, or below 1 when the database has no such tag
        QString key;
        QString open_form;         // "<B>"
        QString close_form;        // "</B>"
        QSet<QString> attributes;  // upper-cased names
        QStringList required;      // names as stored
        QString parents;           // as stored, for the message
        QStringList parent_forms;  // "<UL>", "<OL>"
    };

    const TagFacts& facts_of(const QString& upper_name);
    void check_quotes_and_attributes(QStringView text, const TagFacts* facts);
    void check_attribute(QStringView token, const TagFacts* facts);
    void check_required_attributes(const TagFacts& facts);
    void check_parents(const TagFacts& facts);
    QString name_form(const QString& text, const TagFacts& facts) const;

    const TagDatabase& db_;
    TagList& tags_;
    ProblemReporter& reporter_;
    QHash<QString, TagFacts> facts_;
    RecentNames<const TagFacts*> recent_facts_;  // into facts_; forgotten when it grows
    // Per tag, kept between tags so that their storage is reused.
    QString upper_;                      // the attribute name being checked, upper-cased
    QList<QStringView> seen_;            // attribute names of a tag that requires some
};

}  // namespace tamsel
