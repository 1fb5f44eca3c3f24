// The compiler's run and its log: the lines holding "ERROR:" in any case are its errors, warnings alone
// are a success, and a compiler that is missing, cannot start, fails or writes nothing is a failure that
// names the program, never a success.
#include "helpbuild/help_builder.h"
#include "helpbuild/help_compiler.h"
#include "helpbuild/helpbuild_support.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

Q_DECLARE_METATYPE(tamsel::CompileStatus)

class CompilerLogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_log_decides_the_outcome_data() {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<bool>("writes_chm");
        QTest::addColumn<CompileStatus>("status");
        QTest::addColumn<QStringList>("error_lines");
        QTest::addColumn<QString>("message");  // a part of the failure message
        QTest::newRow("a lower-case error: is an error")
            << QByteArray("Note: scanning a.htm\nerror: cannot open b.htm\n") << 0 << true << CompileStatus::log_errors
            << QStringList{"error: cannot open b.htm"} << "";
        QTest::newRow("Error: as chmcmd writes it")
            << QByteArray("Error: Can't find TOC file /x/HELPFILE.hhc\r\nWriting CHM HELPFILE.chm\r\n") << 0 << true
            << CompileStatus::log_errors << QStringList{"Error: Can't find TOC file /x/HELPFILE.hhc"} << "";
        QTest::newRow("warnings only are a success")
            << QByteArray("Warning: File a.htm does not exist\nNote: CHM has binary index\n") << 0 << true
            << CompileStatus::compiled << QStringList{} << "";
        QTest::newRow("a failure status without error lines")
            << QByteArray("Writing CHM HELPFILE.chm\nSegmentation fault\n") << 139 << false << CompileStatus::failed
            << QStringList{} << "failed (exit status 139):\r\nWriting CHM HELPFILE.chm\r\nSegmentation fault";
        QTest::newRow("chmcmd's report of a file it cannot open")
            << QByteArray("An unhandled exception occurred at $0000000000416AC9:\nEFOpenError: Unable to open file \"a.htm\"\n")
            << 217 << false << CompileStatus::failed << QStringList{"EFOpenError: Unable to open file \"a.htm\""}
            << "failed (exit status 217):\r\nEFOpenError";
        QTest::newRow("a failure status with error lines")
            << QByteArray("ERROR: out of memory\n") << 1 << false << CompileStatus::failed << QStringList{"ERROR: out of memory"}
            << "failed (exit status 1):\r\nERROR: out of memory";
        QTest::newRow("no compiled file written")
            << QByteArray("Can't find project file HELPFILE.hhp\n") << 0 << false << CompileStatus::failed << QStringList{}
            << "wrote no compiled file";
    }
    void the_log_decides_the_outcome() {
        QFETCH(QByteArray, output);
        QFETCH(int, exit_code);
        QFETCH(bool, writes_chm);
        QFETCH(CompileStatus, status);
        QFETCH(QStringList, error_lines);
        QFETCH(QString, message);
        QTemporaryDir project;
        QTemporaryDir tools;
        test::write_bytes(project.filePath("HELPFILE.chm"), "stale");  // from an earlier build
        const QString compiler = test::fake_compiler(tools.path(), output, exit_code, writes_chm);
        const HelpCompileOutcome outcome = compile_help_project(project.path(), compiler);
        QCOMPARE(outcome.status, status);
        QCOMPARE(outcome.error_lines, error_lines);
        QCOMPARE(test::read_bytes(project.filePath("HELPFILE.log")), output);
        QCOMPARE(QFile::exists(project.filePath("HELPFILE.chm")), writes_chm);
        if (!message.isEmpty()) {
            QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
            QVERIFY(outcome.message.contains(compiler));
        }
    }

    void a_compiler_that_cannot_run_is_named_data() {
        QTest::addColumn<QString>("compiler");
        QTest::addColumn<QString>("named");
        QTest::newRow("none found") << "" << "The help compiler chmcmd was not found. Install the Debian package fp-utils";
        QTest::newRow("cannot start") << "/no/such/compiler" << "The help compiler /no/such/compiler could not be started";
    }
    void a_compiler_that_cannot_run_is_named() {
        QFETCH(QString, compiler);
        QFETCH(QString, named);
        QTemporaryDir project;
        const HelpCompileOutcome outcome = compile_help_project(project.path(), compiler);
        QCOMPARE(outcome.status, CompileStatus::failed);
        QVERIFY2(outcome.message.startsWith(named), qPrintable(outcome.message));
    }

    void the_configured_compiler_comes_first() {
        QTemporaryDir tools;
        const QString configured = test::fake_compiler(tools.path(), {});
        QCOMPARE(find_help_compiler(configured), configured);
        QCOMPARE(find_help_compiler({}), QStandardPaths::findExecutable("chmcmd"));
        QCOMPARE(find_help_compiler(tools.filePath("gone")), QStandardPaths::findExecutable("chmcmd"));
    }
};

TAMSEL_TEST(CompilerLogTest)
#include "compiler_log_test.moc"
