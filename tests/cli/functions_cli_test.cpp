// `tamsel functions`: each declaration as FILE:LINE: NAME, and an exit status a script can branch on.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class FunctionsCliTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    void declarations_are_listed_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("exit_code");
        QTest::newRow("functions then subs, with their lines")
            << QByteArray("<script>\r\nSub Later\r\nfunction add(a, b) {\r\n}\r\n</script>\r\n") << "page.htm:3: add\npage.htm:2: Later\n" << 0;
        QTest::newRow("a Windows-1252 name") << QByteArray("<script>\nfunction caf\xE9()\n</script>") << "page.htm:2: caf\u00E9\n" << 0;
        QTest::newRow("none found") << QByteArray("<p>function not_a_script()</p>") << "" << 1;
    }
    void declarations_are_listed() {
        QFETCH(QByteArray, page);
        QFETCH(QString, out);
        QFETCH(int, exit_code);
        QVERIFY(test::write_bytes(dir_.filePath(QStringLiteral("page.htm")), page));
        const test::CliRun run = test::run_cli({"functions", "page.htm"}, dir_.path());
        QCOMPARE(run.out, out);
        QCOMPARE(run.exit_code, exit_code);
        if (exit_code == 1) QCOMPARE(run.err, QStringLiteral("No Functions or Subroutines Found\n"));
    }

    void an_unreadable_file_is_named_and_the_rest_listed() {
        QVERIFY(test::write_bytes(dir_.filePath(QStringLiteral("ok.htm")), "<script>\nsub Main\n</script>"));
        const test::CliRun run = test::run_cli({"functions", "missing.htm", "ok.htm"}, dir_.path());
        QCOMPARE(run.out, QStringLiteral("ok.htm:2: Main\n"));
        QVERIFY2(run.err.contains(QStringLiteral("missing.htm")), qPrintable(run.err));
        QCOMPARE(run.exit_code, 2);
    }

    void standard_input_is_read() {
        const test::CliRun run = test::run_cli({"functions", "-"}, {}, "<SCRIPT>\nFunction F\n</SCRIPT>");
        QCOMPARE(run.out, QStringLiteral("<stdin>:2: F\n"));
    }
};

TAMSEL_TEST(FunctionsCliTest)
#include "functions_cli_test.moc"
