// `tamsel report`: a folder gives the site report, a page the current-file report, and the path written is
// printed.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class ReportCliTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    void a_folder_or_a_page_is_reported_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("folder") << "" << "Project Analysis Report";
        QTest::newRow("page") << "/sub/page.htm" << "Current File Analysis Report";
    }
    void a_folder_or_a_page_is_reported() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        const QString out = dir_.filePath(QStringLiteral("r.html"));
        const test::CliRun run = test::run_cli({"report", test::fixture(QStringLiteral("report_site")) + path, "-o", out});
        QCOMPARE(run.exit_code, 0);
        QCOMPARE(run.out, QDir::cleanPath(out) + u'\n');
        QVERIFY(QString::fromUtf8(test::read_bytes(out)).contains(title));
    }

    void a_missing_path_is_named() {
        const test::CliRun run = test::run_cli({"report", "no-such-site"}, dir_.path());
        QCOMPARE(run.exit_code, 2);
        QVERIFY2(run.err.contains(QStringLiteral("no-such-site")), qPrintable(run.err));
    }
};

TAMSEL_TEST(ReportCliTest)
#include "report_cli_test.moc"
