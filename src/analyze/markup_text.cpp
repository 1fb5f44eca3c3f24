#include "analyze/markup_text.h"

#include <algorithm>

namespace tamsel {

QString close_spaces_around_equals(QStringView text) {
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

QStringView trim_blanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && is_blank(text[begin])) ++begin;
    while (end > begin && is_blank(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

}  // namespace tamsel
