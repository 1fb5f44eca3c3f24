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

    void message_texts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const std::pair<int, const char*> rows[] = {
            {1, "Mis-matched Quote inside HTML Tag"},
            {3, "Open T1 with no closing tag"},
            {4, "Closing T1 with no opening tag"},
            {5, "Table attribute tag 'T1' found outside of a <TABLE> construct"},
            {6, "Tag 'T1' not found in HTML Tag Database"},
            {7, "Closing Tag 'T1' is not a valid HTML construct"},
            {8, "Tag <T2> must appear inside a <T1> construct"},
            {9, "Form Attribute 'T1 found outside of <FORM>"},
            {10, "Possible Incomplete Tag : Open < with out a Close >"},
            {11, "Possible Incomplete Tag : Close > without an Open <"},
            {12, "Possible Tag Syntax : Open < and Close > found"},
            {13, "Detected a single ampersand &"},
            {14, "Possible invalid special character 'T1' - missing ;"},
            {15, "Undefined special character 'T1'"},
            {16, "Undefined Unicode character 'T1'"},
            {17, "HTML Tags not allowed inside <TITLE> [T1]"},
            {18, "Possible 'Tangled Tags'..found tag T1 expected T2"},
            {19, "Attribute T1 is not defined for tag T2"},
            {20, "Required attribute T1 not found for tag T2"},
            {101, "Use of Single Quotes not supported by all browsers"},
            {102, "Value for attribute T1 should be quoted"},
            {103, "Width and Height Attrbutes will increase performance"},
            {104, "ALT= attribute is reccomended"},
            {105, "TARGET specified... may cause improper results in HTMLHelp File"},
            {203, "Missing TITLE : required for Table of Contents"},
            {204, "Missing <META KEYWORDS> : required for Topic Index"},
            {205, "Missing <META DESCRIPTION> : required for Table of Contents"},
            {2, "Undefine Message #2"},
            {0, "Undefine Message #0"},
            {206, "Undefine Message #206"},
        };
        for (const auto& [code, text] : rows) QTest::newRow(text) << code << QString::fromLatin1(text);
    }
    void message_texts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(message_text(code, QStringLiteral("T1"), QStringLiteral("T2")), text);
    }
};

TAMSEL_TEST(ResultListTest)
#include "result_list_test.moc"
