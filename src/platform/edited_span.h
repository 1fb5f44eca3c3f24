#pragma once
// What edits changed, gathered until the program gets to them: the lines they touched (from 0) and the
// characters from the first change to the end of the last. Spans gathered over several edits are their
// union, each in the text as it was after its own edit, so a later edit before an earlier one leaves the
// earlier span off by what it added or removed: a caller widens it a little.
#include <QtGlobal>
#include <algorithm>

namespace tamsel {

struct EditedSpan {
    int first_line = -1;
    int last_line = -1;
    qsizetype from = 0;
    qsizetype to = 0;

    bool empty() const { return first_line < 0; }
    void add(const EditedSpan& other) {
        if (other.empty()) return;
        if (empty()) {
            *this = other;
            return;
        }
        first_line = std::min(first_line, other.first_line);
        last_line = std::max(last_line, other.last_line);
        from = std::min(from, other.from);
        to = std::max(to, other.to);
    }
};

}  // namespace tamsel
