#include "analyze/tag_list.h"

#include <cstdlib>
#include <vector>

namespace tamsel {
namespace {

const QString title_open = QStringLiteral("<TITLE>");
const QString title_close = QStringLiteral("</TITLE>");

bool is_closing(const QString& name) { return name.startsWith(QLatin1String("</")); }

}  // namespace

void TagList::clear() {
    entries_.clear();
    entries_.reserve(101);
    open_.clear();
}

void TagList::add_open(const QString& name, int line) {
    open_[name].append(static_cast<int>(entries_.size()));
    entries_.append({line, name, tag_as_found, -1});
}

void TagList::add_close(const QString& closing, int line) {
    const QString opening = QLatin1Char('<') + closing.mid(2);
    QList<int>& waiting = open_[opening];
    if (waiting.isEmpty()) {
        entries_.append({line, opening, tag_unopened_close, -1});
        return;
    }
    TagEntry& partner = entries_[waiting.takeLast()];
    partner.line = -partner.line;
    entries_.append({-line, closing, tag_as_found, -1});
}

void TagList::assign_levels() {
    int depth = 0;
    for (TagEntry& e : entries_) {
        e.level = -1;
        if (e.line >= 0) continue;
        if (is_closing(e.name)) e.level = depth--;
        else e.level = ++depth;
    }
}

void TagList::analyse_pairs(ProblemReporter& reporter) {
    assign_levels();
    // The next "</TITLE>" after each entry, found in one backward pass.
    const int count = static_cast<int>(entries_.size());
    std::vector<int> next_title_close(count + 1, count);
    for (int i = count - 1; i >= 0; --i)
        next_title_close[i] = entries_[i].name == title_close ? i : next_title_close[i + 1];

    int title_covered_until = -1;  // a TITLE inside an earlier title's range is reported by that one
    for (int i = 0; i < count; ++i) {
        const TagEntry& e = entries_[i];
        if (e.name == title_open && i + 1 < count && entries_[i + 1].name != title_close && i > title_covered_until) {
            const int range_end = next_title_close[i + 1];
            report_title_contents(i, range_end, reporter);
            title_covered_until = range_end;
        }
        if (e.line > 0) reporter.report_problem_at(e.line, e.kind == tag_as_found ? 3 : 4, e.name);
    }
    report_tangled_pairs(reporter);
}

void TagList::report_title_contents(int title, int range_end, ProblemReporter& reporter) const {
    const int line = std::abs(entries_[title].line);
    for (int k = title + 1; k < range_end; ++k) reporter.report_problem_at(line, 17, entries_[k].name);
}

void TagList::report_tangled_pairs(ProblemReporter& reporter) const {
    // For each entry the first later entry on the same level, found in one backward pass.
    const int count = static_cast<int>(entries_.size());
    std::vector<int> next_same_level(count, -1);
    QHash<int, int> latest_on_level;
    for (int i = count - 1; i >= 0; --i) {
        const int level = entries_[i].level;
        next_same_level[i] = latest_on_level.value(level, -1);
        latest_on_level.insert(level, i);
    }
    for (int j = 0; j + 1 < count; ++j) {
        const TagEntry& opening = entries_[j];
        if (is_closing(opening.name) || opening.level < 1 || next_same_level[j] < 0) continue;
        const TagEntry& closing = entries_[next_same_level[j]];
        if (closing.name.mid(2) == opening.name.mid(1)) continue;
        const QString expected = QStringLiteral("</") + opening.name.mid(1);
        reporter.report_problem_at(std::abs(closing.line), 18, closing.name, expected);
    }
}

}  // namespace tamsel
