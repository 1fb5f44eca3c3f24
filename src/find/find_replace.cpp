#include "find/find_replace.h"

#include <QRegularExpression>
#include <QStringMatcher>

namespace tamsel {
namespace {

bool is_word_char(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

bool whole_word_at(QStringView text, qsizetype at, qsizetype length) {
    return (at == 0 || !is_word_char(text[at - 1])) && (at + length >= text.size() || !is_word_char(text[at + length]));
}

QRegularExpression expression_of(const QString& what, SearchOptions options) {
    QString pattern = options.regex ? what : QRegularExpression::escape(what);
    if (options.whole_word) pattern = QStringLiteral("\\b(?:%1)\\b").arg(pattern);
    return QRegularExpression(pattern, (options.match_case ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption) |
                                           QRegularExpression::UseUnicodePropertiesOption);
}

}  // namespace

Match find_in(const QString& text, const QString& what, qsizetype from, SearchOptions options, QString* error) {
    if (what.isEmpty() || from > text.size()) return {};
    from = std::max<qsizetype>(from, 0);
    if (options.regex) {
        const QRegularExpression re = expression_of(what, options);
        if (!re.isValid()) {
            if (error) *error = re.errorString();
            return {};
        }
        const QRegularExpressionMatch m = re.match(text, from);
        return m.hasMatch() ? Match{m.capturedStart(), m.capturedLength()} : Match{};
    }
    // The matcher skips ahead by its table, which pays on a whole document searched for every match.
    const QStringMatcher matcher(what, options.match_case ? Qt::CaseSensitive : Qt::CaseInsensitive);
    for (qsizetype at = matcher.indexIn(text, from); at >= 0; at = matcher.indexIn(text, at + 1))
        if (!options.whole_word || whole_word_at(text, at, what.size())) return {at, what.size()};
    return {};
}

qsizetype find_next(EditorBuffer& editor, const QString& what, SearchOptions options, QString* error) {
    const qsizetype from = editor.selection_start() + (editor.selection_length() > 0 ? 1 : 0);
    const QString text = editor.text();
    const Match m = find_in(text, what, from, options, error);
    if (m.at >= 0) editor.set_selection(m.at, m.length);
    return m.at;
}

namespace {

// The replacement for one match: \1 ... \9 stand for its groups, \\ for a backslash.
QString expanded(const QString& with, const QRegularExpressionMatch& m) {
    QString out;
    for (qsizetype i = 0; i < with.size(); ++i) {
        if (with[i] == u'\\' && i + 1 < with.size() && with[i + 1].isDigit()) out += m.captured(with[++i].digitValue());
        else if (with[i] == u'\\' && i + 1 < with.size() && with[i + 1] == u'\\') out += with[++i];
        else out += with[i];
    }
    return out;
}

}  // namespace

qsizetype replace_all(EditorBuffer& editor, const QString& what, const QString& with, SearchOptions options, QString* error) {
    if (what.isEmpty()) return 0;
    const QString text = editor.text();
    // One pass: the unchanged stretches and the replacements are joined into the new middle of the text,
    // which replaces the stretch from the first match to the end of the last.
    QString middle;
    qsizetype first = -1;
    qsizetype copied = 0;
    qsizetype count = 0;
    const auto replace = [&](qsizetype at, qsizetype length, const QString& replacement) {
        if (first < 0) {
            first = copied = at;
            middle.reserve(text.size() - at);
        }
        middle += QStringView(text).sliced(copied, at - copied);
        middle += replacement;
        copied = at + length;
        ++count;
    };
    if (options.regex) {
        const QRegularExpression re = expression_of(what, options);
        if (!re.isValid()) {
            if (error) *error = re.errorString();
            return 0;
        }
        for (auto it = re.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            replace(m.capturedStart(), m.capturedLength(), expanded(with, m));
        }
    } else {
        for (Match m = find_in(text, what, 0, options); m.at >= 0; m = find_in(text, what, copied, options))
            replace(m.at, m.length, with);
    }
    if (count == 0) return 0;
    const qsizetype keep_start = editor.selection_start();
    editor.begin_undo_step();
    editor.set_selection(first, copied - first);
    editor.replace_selection(middle);
    editor.end_undo_step();
    editor.set_selection(std::min(keep_start, editor.length()), 0);
    return count;
}

std::optional<qsizetype> matching_brace(QStringView text, qsizetype position) {
    if (position < 0 || position >= text.size()) return std::nullopt;
    const QChar at = text[position];
    if (at != u'{' && at != u'}') return std::nullopt;
    const int step = at == u'{' ? 1 : -1;
    int depth = 0;
    for (qsizetype i = position; i >= 0 && i < text.size(); i += step) {
        if (text[i] == u'{') depth += step;
        else if (text[i] == u'}') depth -= step;
        if (depth == 0) return i;
    }
    return std::nullopt;
}

}  // namespace tamsel
