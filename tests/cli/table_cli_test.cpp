// `tamsel table` and `tamsel csv`: whole documents byte for byte, and bad input refused with nothing
// written.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QString golden_dir() { return test::source_dir() + QStringLiteral("/tests/golden/table"); }

}  // namespace

class TableCliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each case of tests/golden/table: <case>.args holds the arguments, one a line, run in that folder
    // with the document written to a file; <case>.expected is the document.
    void documents_come_out_byte_for_byte_data() {
        QTest::addColumn<QString>("name");
        const QStringList cases = QDir(golden_dir()).entryList({"*.args"}, QDir::Files, QDir::Name);
        QVERIFY(cases.size() >= 6);
        for (const QString& c : cases) QTest::newRow(qPrintable(c)) << c.chopped(5);
    }
    void documents_come_out_byte_for_byte() {
        QFETCH(QString, name);
        const QString base = golden_dir() + QLatin1Char('/') + name;
        QStringList args = QString::fromUtf8(test::read_bytes(base + ".args")).split('\n', Qt::SkipEmptyParts);
        QTemporaryDir out;
        const QString written = out.filePath(QStringLiteral("page.htm"));
        const test::CliRun run = test::run_cli(args << "-o" << written, golden_dir());
        QVERIFY2(run.exit_code == 0, qPrintable(run.err));
        QCOMPARE(run.out, QString());
        const QByteArray actual = test::read_bytes(written);
        const QByteArray expected = test::read_bytes(base + ".expected");
        if (actual != expected) test::write_bytes(base + ".actual", actual);
        else QFile::remove(base + ".actual");
        QCOMPARE(actual, expected);
    }

    void bad_input_writes_nothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("rows not a number") << QStringList{"table", "--rows", "x", "--cols", "2"} << "--rows takes a whole number";
        QTest::newRow("too many rows") << QStringList{"table", "--rows", "1000", "--cols", "1"} << "from 0 to 999";
        QTest::newRow("columns missing") << QStringList{"table", "--rows", "2"} << "--cols is required";
        QTest::newRow("caret beyond the page") << QStringList{"table", "--rows", "1", "--cols", "1", "--at", "5"} << "beyond the end";
        QTest::newRow("data file missing") << QStringList{"csv", "missing.csv"} << "cannot read 'missing.csv'";
        QTest::newRow("data file a folder") << QStringList{"csv", "."} << "it is a folder";
        QTest::newRow("page missing") << QStringList{"csv", "prices.csv", "nowhere.htm"} << "cannot read 'nowhere.htm'";
        QTest::newRow("unknown wizard key") << QStringList{"csv", "prices.csv", "--set", "CSV_Colour=1"} << "--set takes";
    }
    void bad_input_writes_nothing() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir out;
        const QString written = out.filePath(QStringLiteral("page.htm"));
        const test::CliRun run = test::run_cli(args << "-o" << written, golden_dir());
        QCOMPARE(run.exit_code, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(written));
    }

    void help_names_the_settings() {
        for (const QString command : {"table", "csv"}) {
            const test::CliRun run = test::run_cli({command, "--help"});
            QCOMPARE(run.exit_code, 0);
            QVERIFY(run.out.startsWith("usage: tamsel " + command) && run.out.contains("--set KEY=VALUE"));
            QVERIFY(run.out.contains(command == "csv" ? "CSV_NStyle2" : "CSV_Width"));
        }
    }
};

TAMSEL_TEST(TableCliTest)
#include "table_cli_test.moc"
