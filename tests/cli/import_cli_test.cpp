// `tamsel import`: the page of a real document byte for byte as the editor would insert it into an empty
// document, from a file or standard input, and what is refused with nothing written.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QString golden(const QString& name) { return test::source_dir() + QStringLiteral("/tests/golden/import/") + name; }

}  // namespace

class ImportCliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void page_is_written_as_the_editor_makes_it_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rtf to a file") << QStringList{"rtf", golden("libreoffice_letter.rtf")} << QString() << "libreoffice_letter.htm";
        QTest::newRow("text from standard input") << QStringList{"text", "-"} << "utf8_spacing.txt" << "utf8_spacing.htm";
    }
    void page_is_written_as_the_editor_makes_it() {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QTemporaryDir out;
        const QString written = out.filePath(QStringLiteral("page.htm"));
        const QByteArray bytes = input.isEmpty() ? QByteArray() : test::read_bytes(golden(input));
        const test::CliRun run = test::run_cli(QStringList{"import"} << args << "-o" << written, {}, bytes);
        QVERIFY2(run.exit_code == 0, qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(test::read_bytes(written), test::read_bytes(golden(expected)));
    }

    void page_goes_to_standard_output() {
        const test::CliRun run = test::run_cli({"import", "rtf", "-"}, {}, "{\\rtf1 Hello}");
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.out.startsWith("<html>\r\n<head>\r\n") && run.out.endsWith("Hello\r\n</body></html>\r\n"));
    }

    // Into a page: at the caret, the rest of the page kept in its own line ends.
    void page_goes_into_a_page_at_the_caret() {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("p.htm"));
        QVERIFY(test::write_bytes(page, "<p>one</p>\n<p>two</p>\n"));
        const test::CliRun run = test::run_cli({"import", "rtf", "-", page, "--at", "11", "-o", page}, {}, "{\\rtf1 Hi}");
        QVERIFY2(run.exit_code == 0, qPrintable(run.err));
        QCOMPARE(test::read_bytes(page), QByteArray("<p>one</p>\n<html>\n<head>\n</head>\n<body>\n<font face=\"\" size=2 "
                                                    "color=\"#000000\">Hi\n</body></html>\n<p>two</p>\n"));
    }

    void refusals_write_nothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<QString>("message");
        QTest::newRow("not rtf") << QStringList{"rtf", golden("utf8_spacing.txt")} << 1 << "utf8_spacing.txt is not an RTF document";
        QTest::newRow("missing file") << QStringList{"text", "nowhere.txt"} << 2 << "cannot read 'nowhere.txt'";
        QTest::newRow("unknown kind") << QStringList{"doc", "a.doc"} << 2 << "the kind is text or rtf";
        QTest::newRow("no file") << QStringList{"text"} << 2 << "one FILE";
        QTest::newRow("both from standard input") << QStringList{"text", "-", "-"} << 2 << "cannot both be standard input";
        QTest::newRow("caret beyond the page") << QStringList{"text", golden("utf8_spacing.txt"), golden("windows_1252.txt"), "--at", "999"} << 2 << "beyond the end";
    }
    void refusals_write_nothing() {
        QFETCH(QStringList, args);
        QFETCH(int, exit_code);
        QFETCH(QString, message);
        QTemporaryDir out;
        const QString written = out.filePath(QStringLiteral("page.htm"));
        const test::CliRun run = test::run_cli(QStringList{"import"} << args << "-o" << written);
        QCOMPARE(run.exit_code, exit_code);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(written));
    }

    void help_describes_both_kinds() {
        const test::CliRun run = test::run_cli({"import", "--help"});
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.out.startsWith("usage: tamsel import text|rtf FILE [PAGE] [--at POS] [-o OUT]"));
        QVERIFY(run.out.contains("Exit status"));
        QVERIFY(test::run_cli({"--help"}).out.contains("import"));
    }
};

TAMSEL_TEST(ImportCliTest)
#include "import_cli_test.moc"
