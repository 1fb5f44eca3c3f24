#include "wizards/calendar.h"

namespace tamsel {
namespace {

constexpr FindOptions quietly{false, false, false};

// Day names, three letters each, Sunday first.
constexpr QStringView day_names = u"SunMonTueWedThuFriSat";

// Qt counts Monday 1 to Sunday 7; the calendar counts Sunday 0 to Saturday 6.
int column_of(const QDate& day) { return day.dayOfWeek() % 7; }

const CalendarStyle& style_of(QStringView digit) {
    for (const CalendarStyle& s : calendar_styles)
        if (s.digit == digit) return s;
    return calendar_styles.front();
}

bool is_digits(QStringView text) {
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// Adds the style block of def right after the head's start tag unless the page has it in its head
// already; tracked follows the insertion.
void ensure_style_block(PageEditor& page, const CalendarSizeDef& def, qsizetype& tracked) {
    EditorBuffer& e = page.editor;
    const qsizetype head_end = find_tag(e, QStringLiteral("</head")).at;
    const QString first_rule = QStringLiteral("#cal") + def.digit.toString() + QLatin1Char('1');
    const qsizetype found = e.find(first_rule, 0, quietly);
    if (found > 0 && found <= head_end) return;
    const TagMatch head = find_tag(e, QStringLiteral("<head"));
    e.set_selection(head.close + 1, 0);
    OutputBuffer out(page, tracked);
    out.append_output_line(QString());  // the block starts on a line of its own
    const QStringList lines = calendar_style_lines(def.size);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) out.append_output_line(lines[i]);
    bool flush = true;
    out.append_output_line(lines.last(), flush);
}

}  // namespace

const CalendarSizeDef& calendar_size_def(CalendarSize size) {
    for (const CalendarSizeDef& d : calendar_sizes)
        if (d.size == size) return d;
    return calendar_sizes.front();
}

std::optional<CalendarSize> calendar_size_named(QStringView name) {
    for (const CalendarSizeDef& d : calendar_sizes)
        if (name.compare(d.name, Qt::CaseInsensitive) == 0) return d.size;
    return std::nullopt;
}

std::optional<QDate> parse_month_text(QStringView text) {
    if (text.size() != 7 || text[2] != u'/' || !is_digits(text.left(2)) || !is_digits(text.mid(3))) return std::nullopt;
    const int month = text.left(2).toInt();
    const int year = text.mid(3).toInt();
    if (month < 1 || month > 12 || year < 1) return std::nullopt;
    return QDate(year, month, 1);
}

QString month_text(int month, int year) {
    return QStringLiteral("%1/%2").arg(month, 2, 10, QLatin1Char('0')).arg(year, 4, 10, QLatin1Char('0'));
}

QStringList calendar_style_lines(CalendarSize size) {
    const CalendarSizeDef& def = calendar_size_def(size);
    // The size marker is a comment: as bare text it would spoil the first rule for a browser.
    QStringList lines{QStringLiteral("<style title=\"Calendar%1\">/* CSIZE=%1 */").arg(def.digit)};
    for (const QStringView rule : style_of(def.digit).rules) lines << rule.toString();
    lines << QStringLiteral("</style>");
    return lines;
}

QStringList calendar_table_lines(CalendarSize size, const QDate& first_day) {
    const CalendarSizeDef& def = calendar_size_def(size);
    const QString id = QStringLiteral("cal") + def.digit.toString();  // cal0 for Small: rows cal01, cal02, cal03
    const QString cell = QString::number(calendar_cell_width(def.width));
    QStringList lines;
    lines << QStringLiteral("<table border=3 width=") + QString::number(def.width) + QStringLiteral(" cellspacing=3 cellpadding=3>");
    lines << QStringLiteral("<tr id=") + id + QStringLiteral("1 align=middle height=") + QString::number(def.title_height) +
                 QStringLiteral("><td colspan=7>") + month_names[first_day.month() - 1].toString() + QLatin1Char(' ') +
                 QString::number(first_day.year()) + QStringLiteral("</td></tr>");
    lines << QStringLiteral("<tr id=") + id + QStringLiteral("2 align=middle height=") + QString::number(def.weekday_height) + QLatin1Char('>');
    for (int d = 0; d < 7; ++d)
        lines << QStringLiteral("<td width=") + cell + QLatin1Char('>') + day_names.mid(d * 3, 3).toString() + QStringLiteral("</td>");
    lines << QStringLiteral("</tr>");

    const QString week_row = QStringLiteral("<tr id=") + id + QStringLiteral("3 align=right valign=top height=") + cell + QLatin1Char('>');
    const QString blank = QStringLiteral("<td id=") + id + QStringLiteral("2>&nbsp;</td>");
    const QDate next_month = first_day.addMonths(1);
    const QDate last = next_month.addDays(6 - column_of(next_month));
    for (QDate day = first_day.addDays(-column_of(first_day)); day <= last; day = day.addDays(1)) {
        const int column = column_of(day);
        if (column == 0) lines << week_row;
        lines << (day.month() == first_day.month() ? QStringLiteral("<td>") + QString::number(day.day()) + QStringLiteral("</td>") : blank);
        if (column == 6) lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>");
    return lines;
}

bool create_calendar(PageEditor& page, CalendarSize size, QStringView month) {
    const std::optional<QDate> first_day = parse_month_text(month);
    if (!first_day) return false;
    EditorBuffer& e = page.editor;
    const CalendarSizeDef& def = calendar_size_def(size);
    qsizetype p = e.selection_start();
    EditStep step(e);
    config_basic_html(page, p);
    ensure_style_block(page, def, p);
    clamp_to_element(e, u"BODY", p);
    e.set_selection(p, 0);
    OutputBuffer out(page);
    const QStringList lines = calendar_table_lines(size, *first_day);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) out.append_output_line(lines[i]);
    bool flush = true;
    out.append_output_line(lines.last(), flush);
    step.leave_caret_at(p);
    return true;
}

}  // namespace tamsel
