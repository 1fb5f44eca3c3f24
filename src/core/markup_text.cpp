#include "core/markup_text.h"

namespace tamsel {
namespace {

bool blank_beside_equals(const QString& text) {
    for (qsizetype i = 1; i < text.size(); ++i)
        if ((text[i] == u'=' && text[i - 1] == u' ') || (text[i] == u' ' && text[i - 1] == u'=')) return true;
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
    if (tag.startsWith(u"</") || !tag.endsWith(u"/>") || tag.size() < 4) return false;
    const QChar before = tag[tag.size() - 3];
    return !tag.contains(u' ') || before == u' ' || before == u'"' || before == u'\'';
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
    const char16_t first = static_cast<char16_t>(keyword[0].unicode());
    for (qsizetype i = qMax<qsizetype>(from, 0); i + keyword.size() <= text.size(); ++i)
        if (ascii_upper(text[i].unicode()) == first && has_at(text, i, keyword)) return i;
    return -1;
}

}  // namespace tamsel
