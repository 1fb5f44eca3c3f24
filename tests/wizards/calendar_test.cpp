// The month calendar on an editor in memory: the day grid, the shared style block, where the table lands
// and where the caret ends, undo. Whole pages of each size and line end: tests/golden/calendar.
#include "platform/memory_buffer.h"
#include "support/test_registry.h"
#include "wizards/calendar.h"

#include <QRegularExpression>
#include <QTest>

using namespace tamsel;

namespace {

// The week rows of a table as "- - - - 1 2 3": a day number or "-" for a blank cell.
QStringList week_rows(const QStringList& lines) {
    static const QRegularExpression day(QStringLiteral("^<td>(\\d+)</td>$"));
    static const QRegularExpression blank(QStringLiteral("^<td id=cal\\d2>&nbsp;</td>$"));
    QStringList rows;
    QStringList cells;
    bool in_week = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("<tr id=cal")) && line.contains(QLatin1String("3 align=right valign=top"))) {
            in_week = true;
            cells.clear();
        } else if (in_week && line == QLatin1String("</tr>")) {
            rows << cells.join(QLatin1Char(' '));
            in_week = false;
        } else if (in_week) {
            const QRegularExpressionMatch m = day.match(line);
            cells << (m.hasMatch() ? m.captured(1) : blank.match(line).hasMatch() ? QStringLiteral("-") : QStringLiteral("?"));
        }
    }
    return rows;
}

QStringList style_titles(const QString& text) {
    static const QRegularExpression title(QStringLiteral("<style title=\"(Calendar\\d)\">"));
    QStringList titles;
    for (auto it = title.globalMatch(text); it.hasNext();) titles << it.next().captured(1);
    return titles;
}

const QString page_crlf = QStringLiteral("<html><head><title>t</title></head><body>\r\nab|cd\r\n</body></html>\r\nafter");

}  // namespace

class CalendarTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void weeks_run_sunday_to_saturday_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("March 2001: 25 February to 7 April, the last row blank")
            << "03/2001" << 6 << "- - - - 1 2 3" << "- - - - - - -";
        QTest::newRow("a month beginning on Sunday starts with the 1st")
            << "04/2001" << 5 << "1 2 3 4 5 6 7" << "29 30 - - - - -";
        QTest::newRow("four whole weeks still get the blank row of the next month")
            << "02/2015" << 5 << "1 2 3 4 5 6 7" << "- - - - - - -";
        QTest::newRow("a next month beginning on Saturday ends the grid on it")
            << "03/2000" << 5 << "- - - 1 2 3 4" << "26 27 28 29 30 31 -";
        QTest::newRow("December runs into the next year")
            << "12/2001" << 6 << "- - - - - - 1" << "30 31 - - - - -";
        QTest::newRow("leap February") << "02/2004" << 5 << "1 2 3 4 5 6 7" << "29 - - - - - -";
    }
    void weeks_run_sunday_to_saturday() {
        QFETCH(QString, month);
        QFETCH(int, rows);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const QStringList weeks = week_rows(calendar_table_lines(CalendarSize::small, *parse_month_text(month)));
        QCOMPARE(weeks.size(), rows);
        QCOMPARE(weeks.first(), first);
        QCOMPARE(weeks.last(), last);
    }

    void style_block_is_added_once_per_size_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("two small calendars share one block") << "" << QList<int>{1, 1} << QStringList{"Calendar0"};
        QTest::newRow("small then medium add two") << "" << QList<int>{1, 2} << QStringList{"Calendar2", "Calendar0"};
        QTest::newRow("a rule in the body is not the head's")
            << "<html><head></head><body>#cal01</body></html>" << QList<int>{1} << QStringList{"Calendar0"};
    }
    void style_block_is_added_once_per_size() {
        QFETCH(QString, text);
        QFETCH(QList<int>, sizes);
        QFETCH(QStringList, titles);
        MemoryBuffer buffer(text);
        PageEditor page{buffer};
        for (int size : sizes) QVERIFY(create_calendar(page, static_cast<CalendarSize>(size), u"03/2001"));
        QCOMPARE(style_titles(buffer.text()), titles);
        QCOMPARE(buffer.text().count(QLatin1String("<table ")), sizes.size());
    }

    // The table goes to the caret moved into the body, after the style block has been put into the head;
    // the caret ends where the table begins.
    void table_lands_in_the_body_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("before_table");
        QTest::addColumn<QString>("after_table");
        const int marker = static_cast<int>(page_crlf.indexOf('|'));
        QTest::newRow("in the body: right there, though the head grew before it") << marker << "ab" << "|cd";
        QTest::newRow("in the head: after the body's start tag") << 8 << "<body>" << "\r\nab|";
        QTest::newRow("after the body's end tag: at the end of its last line")
            << static_cast<int>(page_crlf.size()) << "ab|cd" << "\r\n</body>";
    }
    void table_lands_in_the_body() {
        QFETCH(int, caret);
        QFETCH(QString, before_table);
        QFETCH(QString, after_table);
        MemoryBuffer buffer(page_crlf);
        buffer.set_selection(caret, 0);
        PageEditor page{buffer};
        QVERIFY(create_calendar(page, CalendarSize::small, u"03/2001"));
        const QString text = buffer.text();
        const qsizetype table = text.indexOf(QLatin1String("<table"));
        QCOMPARE(text.mid(table - before_table.size(), before_table.size()), before_table);
        const qsizetype end = text.indexOf(QLatin1String("</table>\r\n")) + 10;
        QCOMPARE(text.mid(end, after_table.size()), after_table);
        QCOMPARE(buffer.selection_start(), table);
        QVERIFY(text.indexOf(QLatin1String("</style>")) < text.indexOf(QLatin1String("</head>")));
    }

    void a_calendar_undoes_as_one_step() {
        MemoryBuffer buffer(QStringLiteral("Hello"));
        PageEditor page{buffer};
        QVERIFY(create_calendar(page, CalendarSize::small, u"03/2001"));
        buffer.undo();
        QCOMPARE(buffer.text(), QStringLiteral("Hello"));
    }

    void only_a_month_text_makes_a_calendar_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<bool>("valid");
        QTest::newRow("03/2001") << "03/2001" << true;
        QTest::newRow("12/9999") << "12/9999" << true;
        QTest::newRow("month 00") << "00/2001" << false;
        QTest::newRow("month 13") << "13/2001" << false;
        QTest::newRow("one digit") << "3/2001" << false;
        QTest::newRow("letters") << "ab/2001" << false;
        QTest::newRow("a dash") << "03-2001" << false;
        QTest::newRow("five-digit year") << "03/20011" << false;
        QTest::newRow("year 0000") << "03/0000" << false;
        QTest::newRow("signs") << "+3/2001" << false;
    }
    void only_a_month_text_makes_a_calendar() {
        QFETCH(QString, month);
        QFETCH(bool, valid);
        QCOMPARE(parse_month_text(month).has_value(), valid);
        MemoryBuffer buffer(QStringLiteral("x"));
        PageEditor page{buffer};
        QCOMPARE(create_calendar(page, CalendarSize::small, month), valid);
        if (!valid) QCOMPARE(buffer.text(), QStringLiteral("x"));
    }
};

TAMSEL_TEST(CalendarTest)
#include "calendar_test.moc"
