// The result list: what is stored, how it is ordered and counted, and the words of every message code.
#include "analyze/message_text.h"
#include "analyze/result_list.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

class ResultListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entries_keep_path_case_and_upper_case_texts() {
        ResultList list;
        list.add_result("/Site/Page.htm", 3, 15, "&foo;", "x");
        list.add_path_result("/Site/Page.htm", record_link, 2, "/Site/Img/a.gif");
        list.add_result("", 1, 1, "", "");  // no file: nothing
        QCOMPARE(list.count(), 2);
        const ResultEntry& e = list.entries()[0];
        QCOMPARE(e.file, QStringLiteral("/Site/Page.htm"));
        QCOMPARE(e.text1, QStringLiteral("&FOO;"));
        QCOMPARE(e.text2, QStringLiteral("X"));
        QCOMPARE(list.entries()[1].text1, QStringLiteral("/Site/Img/a.gif"));
        QCOMPARE(list.entries()[1].sequence, 2);
    }

    void sort_orders_by_file_line_then_sequence() {
        ResultList list;
        list.add_result("/b.htm", 2, 1, "", "");
        list.add_result("/a.htm", 5, 1, "second", "");
        list.add_result("/a.htm", record_file_size, 0, "", "");
        list.add_result("/B.htm", 9, 1, "", "");
        list.add_result("/a.htm", 5, 1, "third", "");
        list.add_result("/a.htm", 5, 1, "", "");
        list.sort_results();
        QStringList order;
        for (const ResultEntry& e : list.entries()) order << QStringLiteral("%1:%2:%3").arg(e.file).arg(e.line).arg(e.sequence);
        QCOMPARE(order, (QStringList{"/B.htm:9:4", "/a.htm:-900:3", "/a.htm:5:2", "/a.htm:5:5", "/a.htm:5:6", "/b.htm:2:1"}));
    }

    void report_problem_counts_by_code_and_line_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("warnings");
        QTest::newRow("error") << 4 << 99 << 1 << 0;
        QTest::newRow("warning") << 4 << 100 << 0 << 1;
        QTest::newRow("whole file") << whole_file_line << 203 << 0 << 1;
        QTest::newRow("line 0 is filed, not counted") << 0 << 6 << 0 << 0;
    }
    void report_problem_counts_by_code_and_line() {
        QFETCH(int, line);
        QFETCH(int, code);
        ResultList list;
        ProblemReporter reporter(list);
        reporter.file = QStringLiteral("/p.htm");
        reporter.report_problem_at(line, code);
        QCOMPARE(list.count(), 1);
        QTEST(list.error_count, "errors");
        QTEST(list.warning_count, "warnings");
    }

    // The texts go in where the message names them, Text2 before Text1 included; unknown codes say so.
    void message_texts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("both texts, in their order") << 18 << "Possible 'Tangled Tags'..found tag T1 expected T2";
        QTest::newRow("second text first") << 8 << "Tag <T2> must appear inside a <T1> construct";
        QTest::newRow("texts of a message that takes none") << 203 << "Missing TITLE : required for Table of Contents";
        QTest::newRow("a code between the groups") << 2 << "Undefine Message #2";
        QTest::newRow("a code past the table") << 206 << "Undefine Message #206";
    }
    void message_texts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(message_text(code, QStringLiteral("T1"), QStringLiteral("T2")), text);
    }

    void lists_of_single_files_merge_as_one_scan_would_have_filed_them() {
        // Filed one after the other into one list...
        ResultList whole;
        ProblemReporter one(whole);
        one.file = "/s/a.htm";
        one.report_problem_at(2, 3, "<B>");
        one.report_problem_at(0, 1);
        ProblemReporter two(whole);
        two.file = "/s/b.htm";
        two.report_problem_at(1, 101);
        // ...and into a list each, merged in the same order.
        ResultList a, b, merged;
        ProblemReporter ra(a), rb(b);
        ra.file = "/s/a.htm";
        ra.report_problem_at(2, 3, "<B>");
        ra.report_problem_at(0, 1);
        rb.file = "/s/b.htm";
        rb.report_problem_at(1, 101);
        merged.append_list(a);
        merged.append_list(b);
        QCOMPARE(merged.entries(), whole.entries());
        QCOMPARE(merged.error_count, whole.error_count);
        QCOMPARE(merged.warning_count, whole.warning_count);
    }
};

TAMSEL_TEST(ResultListTest)
#include "result_list_test.moc"
