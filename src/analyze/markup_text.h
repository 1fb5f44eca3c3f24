#pragma once
// Small text operations the scanner, the validator and the META tag reader share.
#include <QString>
#include <QStringView>

namespace tamsel {

// Removes every blank that follows an "=" and then every blank that precedes one, as if "= " and " =" were
// replaced by "=" until none is left; one pass each way, so a long run of blanks costs no more than its length.
QString close_spaces_around_equals(QStringView text);

// ASCII white space only: a no-break space or other Unicode blank is page content and stays.
constexpr bool is_blank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f';
}

// The text without the ASCII white space at both ends.
QStringView trim_blanks(QStringView text);
inline QString trimmed_blanks(QStringView text) { return trim_blanks(text).toString(); }

// Whether text has prefix at position pos, ignoring letter case.
inline bool has_at(QStringView text, qsizetype pos, QStringView prefix) {
    return pos >= 0 && pos + prefix.size() <= text.size() &&
           text.sliced(pos, prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}
inline bool starts_with_ci(QStringView text, QStringView prefix) { return has_at(text, 0, prefix); }

}  // namespace tamsel
