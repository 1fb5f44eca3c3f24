#include "find/function_finder.h"

#include <algorithm>
#include <numeric>

namespace tamsel {

namespace {

bool is_word_char(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// The next whole-word occurrence of word in [from, end) in any letter case, or -1.
qsizetype find_word(QStringView text, QStringView word, qsizetype from, qsizetype end) {
    while (from < end) {
        const qsizetype at = text.indexOf(word, from, Qt::CaseInsensitive);
        if (at < 0 || at + word.size() > end) return -1;
        const bool starts = at == 0 || !is_word_char(text[at - 1]);
        const qsizetype after = at + word.size();
        const bool ends = after == text.size() || !is_word_char(text[after]);
        if (starts && ends) return at;
        from = at + 1;
    }
    return -1;
}

qsizetype line_end_after(QStringView text, qsizetype from) {
    for (qsizetype i = from; i < text.size(); ++i)
        if (text[i] == u'\r' || text[i] == u'\n') return i;
    return text.size();
}

// The declaration at keyword's position, when a blank follows the keyword and a name comes after it: the
// name is what follows up to a "(". A closing "End Sub", an anonymous "function (a, b)" and the object
// "Function.prototype" name nothing.
void record(QStringView text, qsizetype at, QStringView keyword, QList<FunctionEntry>& entries) {
    const qsizetype end = line_end_after(text, at);
    const qsizetype after = at + keyword.size();
    if (after >= end || (text[after] != u' ' && text[after] != u'\t')) return;
    QStringView rest = text.sliced(at + keyword.size(), end - at - keyword.size()).trimmed();
    const qsizetype paren = rest.indexOf(u'(');
    if (paren >= 0) rest = rest.first(paren).trimmed();
    if (rest.isEmpty()) return;
    entries.append({rest.toString(), at, end - at, 0});
}

// Gives every entry its line, counting CR LF, LF and a lone CR as one line end each, in one pass.
void number_lines(QStringView text, QList<FunctionEntry>& entries) {
    std::vector<qsizetype> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return entries[a].start < entries[b].start; });
    int line = 0;
    qsizetype pos = 0;
    for (const qsizetype i : order) {
        for (; pos < entries[i].start; ++pos) {
            if (text[pos] == u'\n' || (text[pos] == u'\r' && (pos + 1 == text.size() || text[pos + 1] != u'\n'))) ++line;
        }
        entries[i].line = line;
    }
}

}  // namespace

QList<FunctionEntry> find_functions(QStringView text) {
    static constexpr QStringView keywords[] = {u"function", u"sub"};
    QList<FunctionEntry> entries;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = text.indexOf(u"<script", from, Qt::CaseInsensitive);
        if (open < 0) break;
        qsizetype close = text.indexOf(u"</script", open, Qt::CaseInsensitive);
        if (close < 0) close = text.size();
        for (const QStringView keyword : keywords) {
            for (qsizetype at = find_word(text, keyword, open, close); at >= 0;
                 at = find_word(text, keyword, at + keyword.size(), close))
                record(text, at, keyword, entries);
        }
        from = close + 1;
        if (from >= text.size()) break;
    }
    number_lines(text, entries);
    return entries;
}

qsizetype first_entry_named(const QList<FunctionEntry>& entries, const QString& name) {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const FunctionEntry& e) { return e.name == name; });
    return it == entries.end() ? -1 : it - entries.begin();
}

}  // namespace tamsel
