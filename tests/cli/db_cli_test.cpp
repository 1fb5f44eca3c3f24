// `tamsel db`: build, dump and check from the command line.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class DbCliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dump_of_a_build_builds_the_same_files() {
        QTemporaryDir dir;
        QCOMPARE(test::run_cli({"db", "dump", test::data_dir(), dir.filePath("src")}).exit_code, 0);
        QCOMPARE(test::run_cli({"db", "build", dir.filePath("src"), dir.filePath("db")}).exit_code, 0);
        for (const char* f : {"Config.DB", "HTML_Tags.DB", "HTML_Attr.DB", "Stylesheet.DB", "Colors.DB", "Vocabulary.DB"})
            QCOMPARE(test::read_bytes(dir.filePath(QStringLiteral("db/") + QLatin1String(f))),
                     test::read_bytes(test::data_dir() + QLatin1Char('/') + QLatin1String(f)));
    }

    void check_passes_the_shipped_data_and_lists_faults() {
        const test::CliRun clean = test::run_cli({"db", "check", test::data_dir()});
        QCOMPARE(clean.exit_code, 0);
        QCOMPARE(clean.out, QString());
        QCOMPARE(test::run_cli({"db", "check", test::source_dir() + "/data"}).exit_code, 0);

        QTemporaryDir dir;
        QCOMPARE(test::run_cli({"db", "dump", test::data_dir(), dir.path()}).exit_code, 0);
        QByteArray attrs = test::read_bytes(dir.filePath("HTML_Attr.txt"));
        attrs += "NOSUCHTAG | X | Choice | no | single\n";
        QVERIFY(test::write_bytes(dir.filePath("HTML_Attr.txt"), attrs));
        const test::CliRun faulty = test::run_cli({"db", "check", dir.path()});
        QCOMPARE(faulty.exit_code, 1);
        QVERIFY2(faulty.out.contains("(NOSUCHTAG X): tag does not exist"), qPrintable(faulty.out));
        QVERIFY(faulty.out.contains("(NOSUCHTAG X): Choice without"));
    }

    void usage_and_unreadable_input_exit_with_2_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList();
        QTest::newRow("unknown command") << QStringList({"frobnicate"});
        QTest::newRow("db without verb") << QStringList({"db"});
        QTest::newRow("build with missing sources") << QStringList({"db", "build", "/nonexistent", "/tmp/x"});
        QTest::newRow("dump of a folder without files") << QStringList({"db", "dump", "/nonexistent", "/tmp/x"});
    }
    void usage_and_unreadable_input_exit_with_2() {
        QFETCH(QStringList, args);
        const test::CliRun run = test::run_cli(args);
        QCOMPARE(run.exit_code, 2);
        QVERIFY(!run.err.isEmpty());
    }

    void help_describes_the_commands() {
        const test::CliRun run = test::run_cli({"--help"});
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.out.contains("db"));
        QVERIFY(test::run_cli({"db", "--help"}).out.contains("tamsel db build SRC OUT"));
    }
};

TAMSEL_TEST(DbCliTest)
#include "db_cli_test.moc"
