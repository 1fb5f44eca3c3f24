// The error list's content for a result list, and when a command may go on after it.
#include "analyze/error_list.h"
#include "analyze/result_list.h"
#include "platform/memory_buffer.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

// Two errors (with with_errors), two warnings (one of the whole file), and records that are no problems.
ResultList results_of_a_page(bool with_errors) {
    ResultList r;
    ProblemReporter reporter(r);
    reporter.file = QStringLiteral("/site/docs/Page.htm");
    r.add_result(reporter.file, record_file_size, 0, "12", "400");
    if (with_errors) {
        reporter.report_problem_at(7, 15, "&chips;");
        reporter.report_problem_at(12345, 8, "TR", "TD");
    }
    reporter.report_problem_at(9, 102, "HREF=a.htm");
    reporter.report_problem_at(whole_file_line, 204);
    r.add_path_result(reporter.file, record_link, 2, "/site/a.htm");
    return r;
}

QStringList shown(const ErrorListRequest& request) {
    QStringList out;
    for (const ErrorListColumn& c : request.columns) out << QStringLiteral("%1/%2").arg(c.title).arg(c.width);
    for (const ErrorListRow& row : request.rows) out << QString::number(row.icon) + QLatin1Char(' ') + row.cells.join(QLatin1Char('|'));
    return out;
}

}  // namespace

class ErrorListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rows_show_the_problems_of_the_mode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("cleanup: line and message")
            << int(AnalyzeMode::cleanup)
            << QStringList{"Line/55", "Error/Warning/650", "/0",
                           "1 0007|Undefined special character '&CHIPS;'|",
                           "2 0009|Value for attribute HREF=A.HTM should be quoted|",
                           "1 12345|Tag <TD> must appear inside a <TR> construct|",
                           "2 |Missing <META KEYWORDS> : required for Topic Index|"};
        QTest::newRow("help check: the file too")
            << int(AnalyzeMode::help_check)
            << QStringList{"Filename/200", "Line/55", "Error/Warning/450",
                           "1 Page.htm|0007|Undefined special character '&CHIPS;'",
                           "2 Page.htm|0009|Value for attribute HREF=A.HTM should be quoted",
                           "1 Page.htm|12345|Tag <TD> must appear inside a <TR> construct",
                           "2 Page.htm||Missing <META KEYWORDS> : required for Topic Index"};
    }
    void rows_show_the_problems_of_the_mode() {
        QFETCH(int, mode);
        QFETCH(QStringList, expected);
        ResultList results = results_of_a_page(true);
        results.sort_results();
        const ErrorListRequest request = error_list_request(results, AnalyzeMode(mode));
        QCOMPARE(shown(request), expected);
        QCOMPARE(request.error_count, QStringLiteral("0002"));
        QCOMPARE(request.warning_count, QStringLiteral("0002"));
    }

    // What the user may answer, and whether the command goes on.
    void the_command_goes_on_only_past_resolved_errors_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("with_errors");
        QTest::addColumn<bool>("ignore");         // the answer
        QTest::addColumn<QString>("caption");     // of the list; empty when none is shown
        QTest::addColumn<bool>("ignore_enabled");
        QTest::addColumn<bool>("goes_on");
        const int cleanup = int(AnalyzeMode::cleanup);
        const int help = int(AnalyzeMode::help_check);
        QTest::newRow("cleanup, errors ignored") << cleanup << true << true << "Structure Errors" << true << true;
        QTest::newRow("cleanup, errors, cancel") << cleanup << true << false << "Structure Errors" << true << false;
        QTest::newRow("cleanup, warnings, cancel") << cleanup << false << false << "Structure Errors" << true << false;
        QTest::newRow("help check, errors")
            << help << true << true << "ERRORS MUST BE RESOLVED BEFORE CONTINUING" << false << false;
        QTest::newRow("help check, warnings ignored") << help << false << true << "Structure Errors" << true << true;
    }
    void the_command_goes_on_only_past_resolved_errors() {
        QFETCH(int, mode);
        QFETCH(bool, with_errors);
        QFETCH(bool, ignore);
        QFETCH(QString, caption);
        QFETCH(bool, ignore_enabled);
        QFETCH(bool, goes_on);
        ResultList results = results_of_a_page(with_errors);
        ScriptedErrorList form;
        form.answers.push_back(ignore ? ErrorListAnswer::IgnoreErrors : ErrorListAnswer::Cancel);
        QCOMPARE(errors_resolved(results, AnalyzeMode(mode), &form), goes_on);
        QCOMPARE(form.shown.size(), 1);
        QCOMPARE(form.shown[0].caption, caption);
        QCOMPARE(form.shown[0].ignore_enabled, ignore_enabled);
        if (goes_on) QCOMPARE(results.error_count, 0);
    }

    // The rows of the page in the editor carry their line, and the list is told how to show it.
    void rows_lead_to_their_lines() {
        ResultList results = results_of_a_page(true);
        results.sort_results();
        ScriptedErrorList form;
        QList<int> shown_lines;
        errors_resolved(results, AnalyzeMode::cleanup, &form, [&shown_lines](int line) { shown_lines.append(line); });
        QCOMPARE(form.shown.size(), 1);
        QList<int> row_lines;
        for (const ErrorListRow& row : form.shown[0].rows) row_lines.append(row.line);
        QCOMPARE(row_lines, (QList<int>{7, 9, 12345, 0}));  // a problem of the whole file has no line
        QVERIFY(form.shown[0].go_to_line);
        form.shown[0].go_to_line(9);
        QCOMPARE(shown_lines, QList<int>{9});
    }

    void select_line_takes_the_line_without_its_end_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("selected");
        QTest::newRow("line ended by LF") << "a\nbc\nd" << 2 << "bc";
        QTest::newRow("line ended by CR LF") << "a\r\nbc\r\nd" << 2 << "bc";
        QTest::newRow("last line without an end") << "a\nbc" << 2 << "bc";
        QTest::newRow("empty line") << "a\n\nb" << 2 << "";
        QTest::newRow("beyond the text: nothing moves") << "a\nb" << 9 << "";
    }
    void select_line_takes_the_line_without_its_end() {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, selected);
        MemoryBuffer editor;
        editor.set_text(text);
        select_line(editor, line);
        QCOMPARE(editor.selected_text(), selected);
    }

    void nothing_to_show_goes_on_without_the_list() {
        ResultList results;
        results.add_result("/p.htm", record_file_size, 0, "1", "2");
        ScriptedErrorList form;
        QVERIFY(errors_resolved(results, AnalyzeMode::cleanup, &form));
        QVERIFY(form.shown.isEmpty());
    }
};

TAMSEL_TEST(ErrorListTest)
#include "error_list_test.moc"
