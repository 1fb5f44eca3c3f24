#include "wizards/colour_values.h"

namespace tamsel {

QString sample_hex(PickedColour c) { return QStringLiteral("%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper(); }

QString rgb_text(PickedColour c) {
    const Channels ch = channels_of(c);
    return QStringLiteral("#%1%2%3")
        .arg(ch.red, 2, 16, QLatin1Char('0'))
        .arg(ch.green, 2, 16, QLatin1Char('0'))
        .arg(ch.blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

PickedColour display_colour(QStringView value, const QList<ColorRecord>& named) {
    QString text = value.trimmed().toString();
    if (!text.isEmpty() && !text.startsWith(u'#')) {
        for (const ColorRecord& r : named)
            if (!r.name.isEmpty() && r.name.compare(text, Qt::CaseInsensitive) == 0) {
                text = r.value;
                break;
            }
    }
    if (text.isEmpty()) text = QStringLiteral("#0");
    const QString digits = (QStringLiteral("000000") + text.mid(1)).right(6);
    bool ok = false;
    const uint rgb = digits.toUInt(&ok, 16);
    if (!ok) return 0;
    return colour_of({static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb >> 16)});
}

int named_colour_index(const QList<ColorRecord>& named, PickedColour c) {
    const QString wanted = rgb_text(c);
    for (qsizetype i = 0; i < named.size(); ++i)
        if (!named[i].name.isEmpty() && named[i].value.compare(wanted, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

}  // namespace tamsel
