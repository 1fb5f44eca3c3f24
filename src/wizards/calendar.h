#pragma once
// The month calendar: an HTML table of one month, Sunday to Saturday, poured into the body of the page,
// with a small style block in the head that gives its title row, weekday row and week rows their fonts
// and colours. The style block of a size is added once per page; every calendar of that size shares it.
#include "wizards/page_structure.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace tamsel {

enum class CalendarSize : int { small = 1, medium = 2, large = 3 };

struct CalendarSizeDef {
    CalendarSize size;
    QStringView name;   // as the command line spells it
    QStringView digit;  // the style digit: ids cal<digit>1..3 and the style block's title
    int width;          // of the table, in pixels
    int title_height;
    int weekday_height;
};

// "Large" takes the third rule set (digit 1) with a table as wide as a 1024-pixel screen allows.
inline constexpr std::array<CalendarSizeDef, 3> calendar_sizes = {{
    {CalendarSize::small,  u"small",  u"0", 320, 24, 20},
    {CalendarSize::medium, u"medium", u"2", 770, 24, 20},
    {CalendarSize::large,  u"large",  u"1", 980, 32, 24},
}};

struct CalendarStyle {
    QStringView digit;
    std::array<QStringView, 3> rules;  // the title row, the weekday row and blank cells, the week rows
};

inline constexpr std::array<CalendarStyle, 3> calendar_styles = {{
    {u"0", {u"#cal01 {font : 14pt Arial; background-color:silver}", u"#cal02 {font : 12pt Arial; background-color:silver}",
            u"#cal03 {font : 10pt Arial; background-color:white}"}},
    {u"1", {u"#cal11 {font : 16pt Arial; background-color:silver}", u"#cal12 {font : 14pt Arial; background-color:silver}",
            u"#cal13 {font : 12pt Arial; background-color:white}"}},
    {u"2", {u"#cal21 {font : 18pt Arial; background-color:silver}", u"#cal22 {font : 16pt Arial; background-color:silver}",
            u"#cal23 {font : 14pt Arial; background-color:white}"}},
}};

// English month names, whatever the machine's language: the title row is the same everywhere.
inline constexpr std::array<QStringView, 12> month_names = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December",
};

const CalendarSizeDef& calendar_size_def(CalendarSize size);
// The size the command line names ("small", "medium", "large"; any letter case), or nothing.
std::optional<CalendarSize> calendar_size_named(QStringView name);

// The width of a day's column: the table's width over seven, to the nearest pixel.
constexpr int calendar_cell_width(int table_width) { return (2 * table_width + 7) / 14; }

// The month of a month text "MM/YYYY" (two digits, "/", four digits; month 01 to 12, year from 0001),
// as its first day; nothing for anything else.
std::optional<QDate> parse_month_text(QStringView text);
// "03/2001" for March 2001.
QString month_text(int month, int year);

// The style block's lines for size: the opening tag with its title, the three rules, the end tag.
QStringList calendar_style_lines(CalendarSize size);
// The table's lines for the month that begins on first_day: title row, weekday row, the weeks from the
// Sunday on or before the 1st to the first Saturday on or after the 1st of the next month.
QStringList calendar_table_lines(CalendarSize size, const QDate& first_day);

// Inserts the calendar of month ("MM/YYYY") at the caret, moved into the body, after completing the page
// skeleton and adding the style block of size to the head where it is missing. One undo step; the caret
// ends at the start of the table. False, with nothing changed, for a month text that is no month.
bool create_calendar(PageEditor& page, CalendarSize size, QStringView month);

}  // namespace tamsel
