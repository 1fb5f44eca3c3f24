#include "core/markup_text.h"

namespace tamsel {
namespace {

bool blank_beside_equals(const QString& text) {
    for (qsizetype i = first_of(text, u'='); i >= 0; i = first_of(text, u'=', i + 1))
        if ((i > 0 && text[i - 1] == u' ') || (i + 1 < text.size() && text[i + 1] == u' ')) return true;
    return false;
}

}  // namespace

QString close_spaces_around_equals(const QString& text) {
    if (!blank_beside_equals(text)) return text;
    // Forward: drop the blanks after an "=".
    QString after;
    after.reserve(text.size());
    bool follows_equals = false;
    for (const QChar c : text) {
        if (c == u' ' && follows_equals) continue;
        after += c;
        follows_equals = c == u'=';
    }
    // Backward: drop the blanks before an "=".
    QString out(after.size(), Qt::Uninitialized);
    qsizetype at = out.size();
    bool precedes_equals = false;
    for (qsizetype i = after.size() - 1; i >= 0; --i) {
        const QChar c = after[i];
        if (c == u' ' && precedes_equals) continue;
        out[--at] = c;
        precedes_equals = c == u'=';
    }
    return out.sliced(at);
}

bool closes_itself(QStringView tag) {
    const qsizetype n = tag.size();
    if (n < 4 || (tag[0] == u'<' && tag[1] == u'/') || tag[n - 2] != u'/' || tag[n - 1] != u'>') return false;
    const QChar before = tag[n - 3];
    return before == u' ' || before == u'"' || before == u'\'' || first_of(tag, u' ') < 0;
}

QStringView trim_blanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && is_markup_blank(text[begin])) ++begin;
    while (end > begin && is_markup_blank(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

qsizetype index_of_ci(QStringView text, QLatin1StringView keyword, qsizetype from) {
    if (keyword.isEmpty()) return from <= text.size() ? from : -1;
    from = qMax<qsizetype>(from, 0);
    const char16_t first = static_cast<char16_t>(keyword[0].unicode());
    if (first < u'A' || first > u'Z') {
        // A keyword that starts with no letter: its first character is found by the library's fast search.
        for (qsizetype i = text.indexOf(QChar(first), from); i >= 0 && i + keyword.size() <= text.size();
             i = text.indexOf(QChar(first), i + 1))
            if (has_at(text, i, keyword)) return i;
        return -1;
    }
    // Folding the 0x20 bit matches both cases of the letter (and a few other characters has_at rejects).
    const char16_t folded = first | 0x20;
    for (qsizetype i = from; i + keyword.size() <= text.size(); ++i)
        if ((text[i].unicode() | 0x20) == folded && has_at(text, i, keyword)) return i;
    return -1;
}

void assign_upper(QString& out, QStringView text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            out = text.toString().toUpper();
            return;
        }
    out.resize(text.size());
    QChar* to = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) to[i] = QChar(ascii_upper(text[i].unicode()));
}

bool equals_ascii_ci(QStringView text, QStringView upper) {
    if (text.size() != upper.size()) return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() >= 0x80 || ascii_upper(text[i].unicode()) != upper[i].unicode()) return false;
    return true;
}

void append_html_text(QString& out, QStringView text, bool beyond_ascii) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&') out += QLatin1String("&amp;");
        else if (c == u'<') out += QLatin1String("&lt;");
        else if (c == u'>') out += QLatin1String("&gt;");
        else if (!beyond_ascii || c.unicode() < 0x80) out += c;
        else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            out += QStringLiteral("&#%1;").arg(static_cast<uint>(QChar::surrogateToUcs4(c, text[++i])));
        else out += QStringLiteral("&#%1;").arg(static_cast<uint>(c.unicode()));
    }
}

}  // namespace tamsel
