#include "analyze/result_list.h"

#include <algorithm>

namespace tamsel {

void ResultList::clear() {
    entries_.clear();
    entries_.reserve(101);
    error_count = 0;
    warning_count = 0;
}

void ResultList::add_result(const QString& file, int line, int code, const QString& text1, const QString& text2) {
    if (file.isEmpty()) return;
    entries_.append({file, line, code, text1.toUpper(), text2.toUpper(), count() + 1});
}

void ResultList::add_path_result(const QString& file, int line, int code, const QString& path) {
    if (file.isEmpty()) return;
    entries_.append({file, line, code, path, QString(), count() + 1});
}

void ResultList::sort_results() {
    std::sort(entries_.begin(), entries_.end(), [](const ResultEntry& a, const ResultEntry& b) {
        if (const int by_file = a.file.compare(b.file); by_file != 0) return by_file < 0;
        if (a.line != b.line) return a.line < b.line;
        return a.sequence < b.sequence;
    });
}

void ResultList::append_list(const ResultList& other) {
    const int offset = count();
    for (ResultEntry e : other.entries_) {
        e.sequence += offset;
        entries_.append(std::move(e));
    }
    error_count += other.error_count;
    warning_count += other.warning_count;
}

void ProblemReporter::report_problem_at(int at_line, int code, const QString& text1, const QString& text2) {
    results_.add_result(file, at_line, code, text1, text2);
    if (at_line == 0 || file.isEmpty()) return;
    if (is_error_code(code)) ++results_.error_count;
    else ++results_.warning_count;
}

}  // namespace tamsel
