#include "analyze/message_text.h"

namespace tamsel {

QString message_text(int code, const QString& text1, const QString& text2) {
    QStringView pattern = message_table.back().text;
    for (const MessageRow& row : message_table)
        if (row.code == code && row.code != 0) pattern = row.text;
    QString out;
    out.reserve(pattern.size() + text1.size() + text2.size());
    for (const QChar c : pattern) {
        switch (c.unicode()) {
        case 1: out += text1; break;
        case 2: out += text2; break;
        case 3: out += QString::number(code); break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace tamsel
