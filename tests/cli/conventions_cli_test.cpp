// What both commands share with every command-line tool: --help and --version, "-" for standard input,
// messages that say why a file cannot be read, and nothing raw from a binary file on the terminal.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class ConventionsCliTest : public QObject {
    Q_OBJECT
    QTemporaryDir db_;

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(test::run_cli({"db", "build", test::fixture("scan_db"), db_.path()}).exit_code, 0);
    }

    void help_and_version_print_and_end_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        const QString cli = qEnvironmentVariable("TAMSEL_CLI");
        const QString editor = QFileInfo(cli).dir().filePath(QStringLiteral("tamsel2001"));
        QTest::newRow("tamsel --version") << cli << "--version" << "^tamsel \\d+\\.\\d\\d\\n$";
        QTest::newRow("tamsel --help") << cli << "--help" << "^usage: tamsel COMMAND";
        // The editor answers without a window, so without a display too.
        QTest::newRow("tamsel2001 --version") << editor << "--version" << "^tamsel2001 \\d+\\.\\d\\d\\n$";
        QTest::newRow("tamsel2001 --help") << editor << "--help" << "^usage: tamsel2001 \\[FILE\\.\\.\\.\\]";
    }
    void help_and_version_print_and_end() {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(program, {option});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(QRegularExpression(expected).match(out).hasMatch(), qPrintable(out));
    }

    void a_page_comes_from_standard_input() {
        const test::CliRun check = test::run_cli({"check", "--data", db_.path(), "-"}, {}, "<P>\n<B>open\n");
        QCOMPARE(check.out, QStringLiteral("<stdin>:2: error: Open <B> with no closing tag [3]\n"));
        QCOMPARE(check.exit_code, 1);
        const test::CliRun cleanup = test::run_cli({"cleanup", "--data", db_.path(), "-"}, {}, "<P>x</P>\n");
        QCOMPARE(cleanup.exit_code, 0);
        QCOMPARE(cleanup.out, QStringLiteral("<P>x\n</P>\n"));
    }

    void unreadable_files_say_why_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("check, missing file") << "check" << "missing.htm" << "No such file or directory";
        QTest::newRow("cleanup, missing file") << "cleanup" << "missing.htm" << "No such file or directory";
        QTest::newRow("cleanup, a folder") << "cleanup" << "." << "it is a folder";
        QTest::newRow("check, a device") << "check" << "/dev/null" << "it is not a regular file";
    }
    void unreadable_files_say_why() {
        QFETCH(QString, command);
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const test::CliRun run = test::run_cli({command, "--data", db_.path(), path}, dir.path());
        QCOMPARE(run.exit_code, 2);
        QVERIFY2(run.err.startsWith(QStringLiteral("tamsel: cannot read '%1': %2\n").arg(path, reason)), qPrintable(run.err));
    }

    // Control characters of a page or a file name reach the terminal written out, never as they are.
    void control_characters_are_written_out() {
        QTemporaryDir dir;
        const QString name = QStringLiteral("a\x1b[31mb.htm");
        QVERIFY(test::write_bytes(dir.filePath(name), QByteArray("<B\x07\x1b>x</B\x07\x1b>\n<I>\n")));
        const test::CliRun run = test::run_cli({"check", "--data", db_.path(), name}, dir.path());
        QVERIFY2(!run.out.contains(QChar(0x1b)) && !run.out.contains(QChar(0x07)), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("a\\x1B[31mb.htm:")), qPrintable(run.out));
        const test::CliRun missing = test::run_cli({"check", "--data", db_.path(), QStringLiteral("gone\x01.htm")}, dir.path());
        QVERIFY2(missing.err.startsWith(QStringLiteral("tamsel: cannot read 'gone\\x01.htm': ")), qPrintable(missing.err));
    }
};

TAMSEL_TEST(ConventionsCliTest)
#include "conventions_cli_test.moc"
