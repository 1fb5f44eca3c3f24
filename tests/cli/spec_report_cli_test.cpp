// `tamsel spec-report`: the report of a small committed database byte for byte, the shipped database's
// report whole, and where the page goes.
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/spec_report.h"
#include "tagdb/tag_database.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class SpecReportCliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every closing rule, a tag without attributes, Choice types, events, and texts that need escaping.
    void small_database_gives_the_golden_page() {
        QTemporaryDir dir;
        QCOMPARE(test::run_cli({"db", "build", test::fixture("spec_db"), dir.filePath("db")}).exit_code, 0);
        const QString page = dir.filePath("html_spec.html");
        const test::CliRun run = test::run_cli({"spec-report", "--data", dir.filePath("db"), "-o", page});
        QCOMPARE(run.exit_code, 0);
        QCOMPARE(run.out.trimmed(), QDir::cleanPath(page));
        const QString golden = test::source_dir() + QStringLiteral("/tests/golden/spec_report/spec_db.html");
        const QByteArray actual = test::read_bytes(page);
        if (actual != test::read_bytes(golden)) {
            QFile out(golden + QStringLiteral(".actual"));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(actual) == actual.size());
            QFAIL("the report differs from the golden page; see spec_db.html.actual");
        }
    }

    void shipped_database_gives_one_table_a_tag() {
        QTemporaryDir dir;
        const QString page = dir.filePath("reports/spec.html");  // the folder is made
        QCOMPARE(test::run_cli({"spec-report", "--data", test::data_dir(), "-o", page}).exit_code, 0);
        const QString text = QString::fromUtf8(test::read_bytes(page));
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        QCOMPARE(text.count(QStringLiteral("<table width=760")), db.tag_count());
        QCOMPARE(text.count(QStringLiteral("</table><br>")), db.tag_count());
        // No text of the database opens markup of its own: every "<" starts one of the report's tags.
        static const QRegularExpression foreign(QStringLiteral("<(?!/?(table|tr|td|br|html|head|title|style|body)\\b)"));
        QVERIFY2(!foreign.match(text).hasMatch(), qPrintable(text.mid(foreign.match(text).capturedStart(), 80)));
        QVERIFY(text.endsWith(QStringLiteral("</body></html>\r\n")));
    }

    void an_empty_tag_table_gives_the_frame_only() {
        const QString page = spec_report(TagDatabase());
        QVERIFY(page.startsWith(QStringLiteral("<html><head><title>HTML Specification</title>\r\n")));
        QVERIFY(page.endsWith(QStringLiteral("</head><body>\r\n</body></html>\r\n")));
    }

    // The CSS page: every property of the Stylesheet table once, under its group, values escaped.
    void css_page_lists_every_property_under_its_group() {
        QTemporaryDir dir;
        const QString page = dir.filePath("css.html");
        QCOMPARE(test::run_cli({"spec-report", "--css", "--data", test::data_dir(), "-o", page}).exit_code, 0);
        const QString text = QString::fromUtf8(test::read_bytes(page));
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        QCOMPARE(text.count(QStringLiteral("<tr id=attr>")), db.stylesheet().size() - 1);
        QVERIFY(text.startsWith(QStringLiteral("<html><head><title>CSS Specification</title>\r\n<style>")));
        QVERIFY(text.contains(QStringLiteral("<tr id=attr><td>&nbsp;font-weight</td>")));
        QVERIFY(text.indexOf(QStringLiteral(">Font</td>")) < text.indexOf(QStringLiteral("&nbsp;font-weight<")));
        QVERIFY(!text.contains(QStringLiteral("<meta")));
    }

    // --meta heads a page with what a help build reads, and the page passes the help check.
    void pages_for_a_help_build_pass_the_help_check_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("keyword");
        QTest::newRow("HTML") << QStringList{} << "BLOCKQUOTE";
        QTest::newRow("CSS") << QStringList{"--css"} << "font-weight";
    }
    void pages_for_a_help_build_pass_the_help_check() {
        QFETCH(QStringList, options);
        QFETCH(QString, keyword);
        QTemporaryDir dir;
        const QString page = dir.filePath("index.htm");
        QCOMPARE(test::run_cli(QStringList{"spec-report", "--meta", "--data", test::data_dir(), "-o", page} + options).exit_code, 0);
        const QString text = QString::fromUtf8(test::read_bytes(page));
        QVERIFY(text.contains(QStringLiteral("<meta name=\"keywords\" content=\"")));
        QVERIFY(text.contains(QStringLiteral(", ") + keyword + QStringLiteral(",")));
        const test::CliRun check = test::run_cli({"check", "--mode", "help", "--data", test::data_dir(), page});
        QCOMPARE(check.exit_code, 0);
        QVERIFY2(check.out.isEmpty(), qPrintable(check.out));
    }

    void the_page_goes_to_the_reports_folder_unless_told() {
        const test::CliRun run = test::run_cli({"spec-report", "--data", test::data_dir()});
        QCOMPARE(run.exit_code, 0);
        QVERIFY2(run.out.trimmed().endsWith(QStringLiteral("/reports/html_spec.html")), qPrintable(run.out));
        QVERIFY(QFile::exists(run.out.trimmed()));
        const test::CliRun refused = test::run_cli({"spec-report", "--data", test::data_dir(), "-o", "/proc/no/such.html"});
        QCOMPARE(refused.exit_code, 2);
        QVERIFY(refused.err.contains(QStringLiteral("cannot write")));
    }
};

TAMSEL_TEST(SpecReportCliTest)
#include "spec_report_cli_test.moc"
