#include "analyze/tag_list.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace tamsel {

void TagList::clear() {
    entries_.clear();
    entries_.reserve(101);
    names_.clear();
    ids_.clear();
    recent_ids_.clear();
    closing_.clear();
    open_.clear();
}

int TagList::name_id(const QString& name) {
    if (const int* recent = recent_ids_.find(name)) return *recent;
    const auto found = ids_.constFind(name);
    if (found != ids_.cend()) {
        recent_ids_.remember(name, *found);
        return *found;
    }
    const int id = static_cast<int>(names_.size());
    names_.append(name);
    closing_.append(name.startsWith(QLatin1String("</")));
    open_.append(QList<int>());
    ids_.insert(name, id);
    return id;
}

bool TagList::is_open(const QString& name) const {
    const auto found = ids_.constFind(name);
    return found != ids_.cend() && !open_[*found].isEmpty();
}

void TagList::add_open(const QString& name, int line) {
    const int id = name_id(name);
    open_[id].append(static_cast<int>(entries_.size()));
    entries_.append({line, id * 2 + tag_as_found});
}

void TagList::add_close(const QString& closing, const QString& given_opening, int line) {
    const int opening = name_id(given_opening.isEmpty() ? QLatin1Char('<') + closing.mid(2) : given_opening);
    QList<int>& waiting = open_[opening];
    if (waiting.isEmpty()) {
        entries_.append({line, opening * 2 + tag_unopened_close});
        return;
    }
    TagEntry& partner = entries_[waiting.takeLast()];
    partner.line = -partner.line;
    entries_.append({-line, name_id(closing) * 2 + tag_as_found});
}

void TagList::analyse_pairs(ProblemReporter& reporter) {
    const int title_open = ids_.value(QStringLiteral("<TITLE>"), -1);
    const int title_close = ids_.value(QStringLiteral("</TITLE>"), -1);
    const int count = static_cast<int>(entries_.size());
    int title_covered_until = -1;  // a TITLE inside an earlier title's range is reported by that one
    for (int i = 0; i < count; ++i) {
        const TagEntry& e = entries_[i];
        if (e.name() == title_open && i + 1 < count && entries_[i + 1].name() != title_close && i > title_covered_until)
            title_covered_until = report_title_contents(i, reporter);
        if (e.line > 0) reporter.report_problem_at(e.line, e.kind() == tag_as_found ? 3 : 4, name_of(e));
    }
    report_tangled_pairs(reporter);
}

// Reports the entries between a TITLE and the next "</TITLE>" (or the page's end), and returns where that
// range ends; the ranges of successive titles do not overlap, so the page's entries are read once.
int TagList::report_title_contents(int title, ProblemReporter& reporter) const {
    const int title_close = ids_.value(QStringLiteral("</TITLE>"), -1);
    const int line = std::abs(entries_[title].line);
    int k = title + 1;
    for (; k < entries_.size() && entries_[k].name() != title_close; ++k)
        reporter.report_problem_at(line, 17, name_of(entries_[k]));
    return k;
}

void TagList::report_tangled_pairs(ProblemReporter& reporter) const {
    // Each opening entry is checked against the first later entry on its level: one forward pass that keeps
    // the latest entry per level. Levels are counted as the pass goes (an opening entry one deeper, a closing
    // one back), so nothing the size of the page is held beside the entries. Unmatched entries share level
    // -1 and are never checked. The few mismatches are reported in the order of their opening entries.
    std::vector<int> latest_on_level;  // slot = level + 1
    std::vector<std::pair<int, int>> tangled;  // opening, closing
    int depth = 0;
    for (int k = 0; k < entries_.size(); ++k) {
        const TagEntry& e = entries_[k];
        const int level = e.line >= 0 ? -1 : is_closing(e) ? depth-- : ++depth;
        const auto slot = static_cast<std::size_t>(level + 1);
        if (slot >= latest_on_level.size()) latest_on_level.resize(slot + 1, -1);
        const int j = std::exchange(latest_on_level[slot], k);
        if (j < 0 || level < 1 || is_closing(entries_[j])) continue;
        if (QStringView(name_of(e)).mid(2) != QStringView(name_of(entries_[j])).mid(1)) tangled.push_back({j, k});
    }
    std::sort(tangled.begin(), tangled.end());
    for (const auto& [j, k] : tangled) {
        const QString expected = QStringLiteral("</") + name_of(entries_[j]).mid(1);
        reporter.report_problem_at(std::abs(entries_[k].line), 18, name_of(entries_[k]), expected);
    }
}

}  // namespace tamsel
