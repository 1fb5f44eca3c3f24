// `tamsel check`: the printed problems of faulty pages, correct pages, folder walks, exit status.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QString golden_dir() { return test::source_dir() + QStringLiteral("/tests/golden/check"); }

void write_file(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(test::write_bytes(path, bytes));
}

}  // namespace

class CheckCliTest : public QObject {
    Q_OBJECT
    QTemporaryDir db_;

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(test::run_cli({"db", "build", test::fixture("scan_db"), db_.path()}).exit_code, 0);
    }

    // Each page of tests/golden/check against the test database; a page named help_* is checked in help mode.
    // The expected output is the printed problems and a last line with the exit status.
    void faulty_pages_give_their_problems_data() {
        QTest::addColumn<QString>("name");
        const QStringList pages = QDir(golden_dir()).entryList({"*.htm"}, QDir::Files, QDir::Name);
        QVERIFY(!pages.isEmpty());
        for (const QString& page : pages) QTest::newRow(qPrintable(page)) << page;
    }
    void faulty_pages_give_their_problems() {
        QFETCH(QString, name);
        QStringList args{"check", "--data", db_.path()};
        if (name.startsWith("help_")) args << "--mode" << "help";
        const test::CliRun run = test::run_cli(args << name, golden_dir());
        const QString actual = run.out + QStringLiteral("[exit %1]\n").arg(run.exit_code);
        const QString base = golden_dir() + QLatin1Char('/') + QFileInfo(name).completeBaseName();
        const QString expected = QString::fromUtf8(test::read_bytes(base + ".out"));
        if (actual != expected) test::write_bytes(base + ".actual", actual.toUtf8());
        else QFile::remove(base + ".actual");
        QCOMPARE(actual, expected);
    }

    // Pages of HTML 4.01 and of today, checked against the shipped database: nothing to say about them.
    void correct_pages_give_no_problem() {
        const test::CliRun run = test::run_cli({"check", "--data", test::data_dir(), test::fixture("pages/correct")});
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exit_code, 0);
        QVERIFY2(run.err.contains("9 files, 0 errors, 0 warnings"), qPrintable(run.err));
    }

    void a_folder_is_walked_as_a_site() {
        QTemporaryDir site;
        const QByteArray page = "<A HREF=\"b.htm\">b</A>\n";
        write_file(site.filePath("z.htm"), page);
        write_file(site.filePath("a.HTML"), page);
        write_file(site.filePath("sub/c.htm"), "<B>open\n");
        write_file(site.filePath("saved.htm$"), "<B>never scanned\n");
        write_file(site.filePath("lib.js"), "function f() { x = \"<B>\"; window.open('pop.htm', 'w'); }\n");
        write_file(site.filePath("notes.txt"), "<B>not a page\n");
        const test::CliRun run = test::run_cli({"check", "--data", db_.path(), "--records", site.path()});
        QCOMPARE(run.exit_code, 1);
        QStringList rows;
        for (QString line : run.out.split('\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.replace(site.path() + '/', QString()).split('\t');
            if (f[1] == "-900" || f[1] == "-600" || f[1] == "-500" || f[1].toInt() > 0)
                rows << QStringList{f[0], f[1], f[2], f[3], f[5]}.join(' ');
        }
        // Files of a folder before its sub-folders, pages before scripts; a script file gives its links only.
        QCOMPARE(rows, (QStringList{"a.HTML -900 0 1 2", "a.HTML -600 2 b.htm 1", "lib.js -900 0 1 14",
                                    "lib.js -600 2 pop.htm 13", "sub/c.htm -900 0 1 9", "sub/c.htm 1 3 <B> 12",
                                    "z.htm -900 0 1 6", "z.htm -600 2 b.htm 5"}));
        QVERIFY2(run.err.contains("4 files, 1 error, 0 warnings"), qPrintable(run.err));
    }

    void paths_print_as_given_and_whole_file_problems_have_no_line() {
        QTemporaryDir dir;
        write_file(dir.filePath("site/p.htm"), "<HTML><HEAD><TITLE>t</TITLE></HEAD></HTML>\n");
        const test::CliRun run = test::run_cli({"check", "--data", db_.path(), "--mode", "help", "site/"}, dir.path());
        QCOMPARE(run.out, QStringLiteral("site/p.htm: warning: Missing <META KEYWORDS> : required for Topic Index [204]\n"
                                         "site/p.htm: warning: Missing <META DESCRIPTION> : required for Table of Contents [205]\n"));
        QCOMPARE(run.exit_code, 0);
    }

    void bad_usage_and_unreadable_input_exit_with_2_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no path") << QStringList{"check"};
        QTest::newRow("unknown mode") << QStringList{"check", "--mode", "cleanup", "x.htm"};
        QTest::newRow("unknown option") << QStringList{"check", "--fast", "x.htm"};
        QTest::newRow("missing file") << QStringList{"check", "/nonexistent/page.htm"};
    }
    void bad_usage_and_unreadable_input_exit_with_2() {
        QFETCH(QStringList, args);
        const test::CliRun run = test::run_cli(args << "--data" << db_.path());
        QCOMPARE(run.exit_code, 2);
        QVERIFY(!run.err.isEmpty());
    }
};

TAMSEL_TEST(CheckCliTest)
#include "check_cli_test.moc"
