// Going to a line, reading the line the user typed, matching braces, and the bookmarks' order.
#include "find/bookmarks.h"
#include "find/navigation.h"
#include "platform/memory_buffer.h"
#include "support/test_registry.h"

#include <QTest>
#include <limits>

using namespace tamsel;

namespace {

const QString ten_lines = QStringLiteral("l1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6\r\nl7\r\nl8\r\nl9\r\nl10");

Bookmarks marks_on(std::initializer_list<int> lines) {
    Bookmarks marks;
    for (const int line : lines) toggle_bookmark(marks, line);
    return marks;
}

QList<int> used(const Bookmarks& marks) { return QList<int>(marks.lines.begin(), marks.lines.begin() + marks.count); }

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void go_to_line_data() {
        QTest::addColumn<qint64>("line");
        QTest::addColumn<int>("caret");
        QTest::newRow("line 1 is position 0") << qint64(1) << 0;
        QTest::newRow("line 3 starts after two CR LF") << qint64(3) << 8;
        QTest::newRow("beyond the last line reaches the last") << qint64(50) << 36;
        QTest::newRow("far beyond any int") << std::numeric_limits<qint64>::max() << 36;
    }
    void go_to_line() {
        QFETCH(qint64, line);
        QFETCH(int, caret);
        MemoryBuffer buffer(ten_lines);
        buffer.set_selection(5, 3);
        tamsel::go_to_line(buffer, line);
        QCOMPARE(buffer.selection_start(), caret);
        QCOMPARE(buffer.selection_length(), 0);
    }

    void line_answers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<qint64>("line");  // 0: nothing happens
        QTest::newRow("a number") << "12" << qint64(12);
        QTest::newRow("blanks around it") << " 7 " << qint64(7);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("zero") << "0" << qint64(0);
        QTest::newRow("negative") << "-3" << qint64(0);
        QTest::newRow("not a number") << "ten" << qint64(0);
        QTest::newRow("more digits than a number holds") << "99999999999999999999999" << std::numeric_limits<qint64>::max();
    }
    void line_answers() {
        QFETCH(QString, answer);
        QFETCH(qint64, line);
        QCOMPARE(line_answer(answer).value_or(0), line);
    }

    void braces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("selected");
        QTest::newRow("two inner blocks: the outer pair") << "x{ { } { } }" << 1 << int(BraceMatch::matched) << "{ { } { } }";
        QTest::newRow("an inner pair") << "x{ a { b } c }" << 5 << int(BraceMatch::matched) << "{ b }";
        QTest::newRow("a brace at the start of the text") << "{a}" << 0 << int(BraceMatch::matched) << "{a}";
        QTest::newRow("no closing brace keeps it selected") << "x{ { }" << 1 << int(BraceMatch::unmatched) << "{";
        QTest::newRow("not a brace") << "x{}" << 0 << int(BraceMatch::not_a_brace) << "";
        QTest::newRow("at the end of the text") << "{}" << 2 << int(BraceMatch::not_a_brace) << "";
    }
    void braces() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, result);
        QFETCH(QString, selected);
        MemoryBuffer buffer(text);
        buffer.set_selection(caret, 0);
        QCOMPARE(int(select_matching_brace(buffer)), result);
        QCOMPARE(buffer.selected_text(), selected);
    }

    void bookmarks_stay_in_order() {
        Bookmarks marks = marks_on({30, 10, 20});
        QCOMPARE(used(marks), (QList<int>{10, 20, 30}));
        QCOMPARE(toggle_bookmark(marks, 20), ToggleResult::removed);
        QCOMPARE(used(marks), (QList<int>{10, 30}));
        QCOMPARE(marks.lines[2], Bookmarks::free_slot);
        clear_bookmarks(marks);
        QCOMPARE(marks.count, 0);
    }

    void bookmark_visits_wrap_around_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("previous");
        QTest::newRow("after the last goes to the first") << 35 << 10 << 30;
        QTest::newRow("before the first goes to the last") << 5 << 10 << 30;
        QTest::newRow("on a mark moves off it") << 10 << 30 << 30;
        QTest::newRow("between the marks") << 20 << 30 << 10;
    }
    void bookmark_visits_wrap_around() {
        QFETCH(int, line);
        QFETCH(int, next);
        QFETCH(int, previous);
        const Bookmarks marks = marks_on({10, 30});
        QCOMPARE(next_bookmark(marks, line), std::optional<int>(next));
        QCOMPARE(previous_bookmark(marks, line), std::optional<int>(previous));
        QVERIFY(!next_bookmark(Bookmarks{}, line));
    }

    void a_34th_bookmark_is_refused() {
        Bookmarks marks;
        for (int line = Bookmarks::slot_count; line >= 1; --line) QCOMPARE(toggle_bookmark(marks, line), ToggleResult::added);
        QCOMPARE(toggle_bookmark(marks, 100), ToggleResult::full);
        QCOMPARE(marks.count, Bookmarks::slot_count);
        QCOMPARE(marks.lines.back(), Bookmarks::slot_count);
        QCOMPARE(toggle_bookmark(marks, 1), ToggleResult::removed);
        QCOMPARE(toggle_bookmark(marks, 100), ToggleResult::added);
    }
};

TAMSEL_TEST(NavigationTest)
#include "navigation_test.moc"
