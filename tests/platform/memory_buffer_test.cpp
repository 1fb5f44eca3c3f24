// The in-memory editor buffer the command line and the tests work on.
#include "platform/memory_buffer.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

class MemoryBufferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void find_with_options_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("match_case");
        QTest::addColumn<bool>("whole_word");
        QTest::addColumn<int>("found");
        QTest::newRow("ignores case by default") << "TABLE" << 0 << false << false << 1;
        QTest::newRow("match case") << "TABLE" << 0 << true << false << 20;
        QTest::newRow("whole word skips part of a word") << "table" << 2 << false << true << 20;
        QTest::newRow("from a position") << "table" << 2 << false << false << 8;
        QTest::newRow("absent") << "form" << 0 << false << false << -1;
        QTest::newRow("empty text finds nothing") << "" << 0 << false << false << -1;
    }
    void find_with_options() {
        QFETCH(QString, what);
        QFETCH(int, from);
        QFETCH(bool, match_case);
        QFETCH(bool, whole_word);
        QFETCH(int, found);
        MemoryBuffer b(QStringLiteral("<table><tablerow> x TABLE"));
        QCOMPARE(b.find(what, from, {match_case, whole_word, true}), qsizetype(found));
        if (found >= 0) QCOMPARE(b.selected_text().toLower(), what.toLower());
    }

    void lines_and_positions() {
        MemoryBuffer b(QStringLiteral("one\r\ntwo\nthree"));
        QCOMPARE(b.line_count(), 3);
        QCOMPARE(b.line_of(0), 0);
        QCOMPARE(b.line_of(5), 1);
        QCOMPARE(b.line_of(999), 2);
        QCOMPARE(b.line_start(2), qsizetype(9));
        QCOMPARE(b.line_start(7), b.length());
    }

    void replacing_keeps_colours_aligned_and_undo_restores() {
        MemoryBuffer b(QStringLiteral("<B>x</B>"));
        b.apply_colours({{0, 3, 7}, {4, 4, 9}});
        b.set_selection(3, 1);
        b.replace_selection(QStringLiteral("long"));
        QCOMPARE(b.text(), QStringLiteral("<B>long</B>"));
        QCOMPARE(b.colour_at(2), 7u);
        QCOMPARE(b.colour_at(4), 0u);
        QCOMPARE(b.colour_at(7), 9u);
        QCOMPARE(b.selection_start(), qsizetype(7));
        QVERIFY(b.can_undo());
        b.undo();
        QCOMPARE(b.text(), QStringLiteral("<B>x</B>"));
        QVERIFY(!b.can_undo());
    }

    void selection_is_clamped_to_the_text() {
        MemoryBuffer b(QStringLiteral("abc"));
        b.set_selection(2, 10);
        QCOMPARE(b.selection_length(), qsizetype(1));
        b.set_selection(-4, 1);
        QCOMPARE(b.selection_start(), qsizetype(0));
    }

    void scrolling_stops_at_the_ends() {
        MemoryBuffer b(QStringLiteral("1\n2\n3\n4\n5"));
        b.scroll_lines(3);
        QCOMPARE(b.first_visible_line(), 0);  // no view
        b.visible_lines = 2;
        b.scroll_lines(10);
        QCOMPARE(b.first_visible_line(), 3);
        b.scroll_lines(-10);
        QCOMPARE(b.first_visible_line(), 0);
    }
};

TAMSEL_TEST(MemoryBufferTest)
#include "memory_buffer_test.moc"
