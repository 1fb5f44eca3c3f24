#pragma once
// The tags of one page that take part in nesting (closing tag required), in order, and the pair analysis
// at the end of the page: unclosed and unopened tags, tags inside the title, tangled pairs.
#include "analyze/recent_names.h"
#include "analyze/result_list.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace tamsel {

enum TagEntryKind : int {
    tag_as_found = 0,        // written as found
    tag_unopened_close = 1,  // a closing tag with no open partner, kept in its opening form
};

// A page holds a tag list entry for most of its tags, so an entry is kept to two numbers: its name is a
// number in the list's table of names, with the kind in its lowest bit.
struct TagEntry {
    int line = 0;       // positive while unmatched; negative once part of a matched open/close pair
    int name_kind = 0;  // name * 2 + kind

    int name() const { return name_kind >> 1; }  // in TagList::name_of: "<B>", "</B>"
    int kind() const { return name_kind & 1; }
};

}  // namespace tamsel

Q_DECLARE_TYPEINFO(tamsel::TagEntry, Q_PRIMITIVE_TYPE);

namespace tamsel {

class TagList {
public:
    void clear();
    // An opening tag "<X>" at line.
    void add_open(const QString& name, int line);
    // A closing tag "</X>" at line: pairs with the last open "<X>", or is kept as an unopened "<X>". opening
    // is "<X>" when the caller has it at hand, else empty.
    void add_close(const QString& closing, const QString& opening, int line);
    // Whether an opening "<X>" is still waiting for its closing tag.
    bool is_open(const QString& name) const;

    // Levels, then tags inside the title (17), unclosed (3) and unopened (4) tags, then tangled pairs (18).
    void analyse_pairs(ProblemReporter& reporter);

    const QList<TagEntry>& entries() const { return entries_; }
    const QString& name_of(const TagEntry& e) const { return names_[e.name()]; }

private:
    int name_id(const QString& name);
    bool is_closing(const TagEntry& e) const { return closing_[e.name()]; }
    int report_title_contents(int title, ProblemReporter& reporter) const;
    void report_tangled_pairs(ProblemReporter& reporter) const;

    QList<TagEntry> entries_;
    // The names the page used, their numbers, whether each is a closing tag, and per name the entries still
    // open, the last one last.
    QStringList names_;
    QHash<QString, int> ids_;
    RecentNames<int> recent_ids_;
    QList<bool> closing_;
    QList<QList<int>> open_;
};

}  // namespace tamsel
