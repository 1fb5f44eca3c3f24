#pragma once
// The tags of one page that take part in nesting (closing tag required), in order, and the pair analysis
// at the end of the page: unclosed and unopened tags, tags inside the title, tangled pairs.
#include "analyze/result_list.h"

#include <QHash>
#include <QList>
#include <QString>

namespace tamsel {

enum TagEntryKind : int {
    tag_as_found = 0,        // written as found
    tag_unopened_close = 1,  // a closing tag with no open partner, kept in its opening form
};

struct TagEntry {
    int line = 0;     // positive while unmatched; negative once part of a matched open/close pair
    QString name;     // "<B>", "</B>"
    int kind = tag_as_found;
    int level = -1;   // nesting level of a matched pair, given at the end of the page
};

}  // namespace tamsel

Q_DECLARE_TYPEINFO(tamsel::TagEntry, Q_RELOCATABLE_TYPE);

namespace tamsel {

class TagList {
public:
    void clear();
    // An opening tag "<X>" at line.
    void add_open(const QString& name, int line);
    // A closing tag "</X>" at line: pairs with the last open "<X>", or is kept as an unopened "<X>".
    void add_close(const QString& closing, int line);
    // Whether an opening "<X>" is still waiting for its closing tag.
    bool is_open(const QString& name) const { return !open_.value(name).isEmpty(); }

    // Levels, then tags inside the title (17), unclosed (3) and unopened (4) tags, then tangled pairs (18).
    void analyse_pairs(ProblemReporter& reporter);

    const QList<TagEntry>& entries() const { return entries_; }

private:
    void assign_levels();
    void report_title_contents(int title, int range_end, ProblemReporter& reporter) const;
    void report_tangled_pairs(ProblemReporter& reporter) const;

    QList<TagEntry> entries_;
    QHash<QString, QList<int>> open_;  // per name the entries still open, the last one last
};

}  // namespace tamsel
