#pragma once
// Small text operations the scanner, the validator and the META tag reader share.
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace tamsel {

// Removes every blank that follows an "=" and then every blank that precedes one, as if "= " and " =" were
// replaced by "=" until none is left; one pass each way, so a long run of blanks costs no more than its length.
QString close_spaces_around_equals(const QString& text);

// ASCII white space only: a no-break space or other Unicode blank is page content and stays.
constexpr bool is_markup_blank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f';
}

// Whether a start tag closes itself: "<br/>", "<br />", "<img src=a.gif />", "<a id=\"x\"/>". In
// "<a href=x/>" the "/" belongs to the unquoted value.
bool closes_itself(QStringView tag);

// The text without the ASCII white space at both ends.
QStringView trim_blanks(QStringView text);
inline QString trimmed_blanks(QStringView text) { return trim_blanks(text).toString(); }

// Markup keywords are ASCII: "script" and "SCRIPT" match, no other letter folds into them.
constexpr char16_t ascii_upper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

// Whether text has keyword (upper-case ASCII) at position pos, ignoring ASCII letter case.
inline bool has_at(QStringView text, qsizetype pos, QLatin1StringView keyword) {
    if (pos < 0 || pos + keyword.size() > text.size()) return false;
    for (qsizetype i = 0; i < keyword.size(); ++i)
        if (ascii_upper(text[pos + i].unicode()) != static_cast<char16_t>(keyword[i].unicode())) return false;
    return true;
}
inline bool starts_with_ci(QStringView text, QLatin1StringView keyword) { return has_at(text, 0, keyword); }
// The first position at or after from where c stands in text, or -1. A plain loop: the texts of a tag are
// short, and Qt's search costs more to set up than such a text takes to read.
constexpr qsizetype first_of(QStringView text, char16_t c, qsizetype from = 0) {
    for (qsizetype i = from; i < text.size(); ++i)
        if (text[i].unicode() == c) return i;
    return -1;
}

// Whether text begins with prefix (ASCII) as it stands: a few compares where Qt's comparison of a QString
// with Latin-1 takes its general path.
inline bool begins_with(QStringView text, QLatin1StringView prefix) {
    if (prefix.size() > text.size()) return false;
    for (qsizetype i = 0; i < prefix.size(); ++i)
        if (text[i].unicode() != static_cast<char16_t>(prefix[i].unicode())) return false;
    return true;
}

// The first position at or after from where keyword (upper-case ASCII) stands, ignoring ASCII letter case; -1.
qsizetype index_of_ci(QStringView text, QLatin1StringView keyword, qsizetype from = 0);
inline bool contains_ci(QStringView text, QLatin1StringView keyword) { return index_of_ci(text, keyword) >= 0; }

// Sets out to text upper-cased. ASCII text is written into out's own storage, so a buffer kept between
// calls is not allocated again; other text goes through the full Unicode mapping.
void assign_upper(QString& out, QStringView text);

// Whether text equals upper (upper-case ASCII) when ASCII letters are folded; text with other characters
// never does, so a caller falls back to the full Unicode comparison for it.
bool equals_ascii_ci(QStringView text, QStringView upper);

// Appends text as page text, never markup: "&", "<" and ">" as references. With beyond_ascii, every
// character beyond ASCII is written as a numeric reference too, for a page that declares no encoding.
void append_html_text(QString& out, QStringView text, bool beyond_ascii = false);

}  // namespace tamsel
