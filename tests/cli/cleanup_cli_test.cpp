// `tamsel cleanup`: the problems as `tamsel check` prints them, where the page goes, and the exit status.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

// One warning (the unquoted value), no error.
const QByteArray clean_page = "<HTML>\n<BODY>\n<P>Caf\xC3\xA9 <A HREF=a.htm>menu</A>\n</BODY>\n</HTML>\n";
// An unknown entity: an error.
const QByteArray faulty_page = "<HTML><BODY>\n<P>Fish &chips;\n</BODY></HTML>\n";

// A Windows-1252 page without problems whose declaration holds the letter f with hook (byte 0x83):
// tag_case=1 makes it U+0191, which the code page lacks.
QByteArray hooked_page(const QByteArray& ends) {
    return "<HTML>" + ends + "<HEAD>" + ends + "<!doctype\x83 x>" + ends + "<TITLE>Caf\xE9</TITLE>" + ends + "</HEAD>" +
           ends + "</HTML>" + ends;
}

}  // namespace

class CleanupCliTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString page(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        test::write_bytes(path, bytes);
        return path;
    }
    test::CliRun cleanup(const QStringList& args) {
        return test::run_cli(QStringList{"cleanup", "--data", test::data_dir()} + args, dir_.path());
    }

private Q_SLOTS:
    void the_cleaned_page_goes_to_standard_output() {
        page("menu.htm", clean_page);
        const test::CliRun run = cleanup({"menu.htm", "--set", "tag_case=1", "--set", "level_indent=2"});
        QCOMPARE(run.exit_code, 0);
        // Line ends as the file has them; the tag names upper-cased, their attributes as written.
        QCOMPARE(run.out, QStringLiteral("<HTML>\n<BODY>\n<P>Caf\u00e9\n<A HREF=a.htm>menu\n</A>\n</BODY>\n</HTML>\n"));
        QCOMPARE(run.err, QStringLiteral("menu.htm:3: warning: Value for attribute HREF=A.HTM should be quoted [102]\n"
                                         "tamsel cleanup: 0 errors, 1 warning\n"));
    }

    void errors_stop_the_cleanup_unless_ignored_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exit_code");
        QTest::addColumn<bool>("written");
        QTest::newRow("errors: nothing written") << QStringList() << 1 << false;
        QTest::newRow("errors ignored") << QStringList{"--ignore-errors"} << 0 << true;
    }
    void errors_stop_the_cleanup_unless_ignored() {
        QFETCH(QStringList, options);
        QFETCH(int, exit_code);
        QFETCH(bool, written);
        page("fish.htm", faulty_page);
        QFile::remove(dir_.filePath("out.htm"));
        const test::CliRun run = cleanup(QStringList{"fish.htm", "-o", "out.htm"} + options);
        QCOMPARE(run.exit_code, exit_code);
        QVERIFY2(run.err.startsWith("fish.htm:2: error: Undefined special character '&CHIPS;' [15]\n"), qPrintable(run.err));
        QCOMPARE(QFile::exists(dir_.filePath("out.htm")), written);
        QCOMPARE(run.out, QString());
    }

    void the_page_keeps_its_encoding_and_may_replace_itself() {
        // Windows-1252 bytes and CR LF line ends, cleaned in place.
        const QString path = page("old.htm", "<P>Caf\xE9\r\n<P>cr\xE8me</P>\r\n");
        const test::CliRun run = cleanup({"old.htm", "-o", "old.htm"});
        QCOMPARE(run.exit_code, 0);
        QCOMPARE(test::read_bytes(path), QByteArray("<P>Caf\xE9\r\n<P>cr\xE8me\r\n</P>\r\n"));
    }

    // A '?' for the letter would change the page unasked.
    void a_page_its_code_page_cannot_hold_is_not_written_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<int>("line");
        QTest::newRow("to standard output, LF") << hooked_page("\n") << QStringList() << 3;
        QTest::newRow("to another file, CR LF") << hooked_page("\r\n") << QStringList{"-o", "out.htm"} << 3;
        QTest::newRow("over itself, CR") << hooked_page("\r") << QStringList{"-o", "hook.htm"} << 3;
        // The file takes the first megabytes before the letter is met; the line still counts them.
        const QByteArray lines = QByteArray("<!-- a comment line for the file to take -->\r\n").repeated(60000);
        QTest::newRow("a large page to another file") << lines + hooked_page("\r\n") << QStringList{"-o", "out.htm"} << 60003;
        QTest::newRow("a large page over itself") << lines + hooked_page("\r\n") << QStringList{"-o", "hook.htm"} << 60003;
    }
    void a_page_its_code_page_cannot_hold_is_not_written() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, output);
        QFETCH(int, line);
        const QString path = page("hook.htm", bytes);
        QFile::remove(dir_.filePath("out.htm"));
        const test::CliRun run = cleanup(QStringList{"hook.htm", "--set", "tag_case=1"} + output);
        QCOMPARE(run.exit_code, 2);
        QCOMPARE(run.err, QStringLiteral("tamsel cleanup: 0 errors, 0 warnings\n"
                                         "hook.htm:%1: the character U+0191 cannot be written in Windows-1252; nothing written\n")
                              .arg(line));
        QCOMPARE(run.out, QString());
        QVERIFY(!QFile::exists(dir_.filePath("out.htm")));
        QCOMPARE(test::read_bytes(path), bytes);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("hook.htm")), QStringList{"hook.htm"});
    }

    // A large result goes on a part at a time, to a temporary file that replaces OUT when it is complete,
    // or to one where it waits for standard output; both give what the page gives.
    void a_large_page_goes_to_its_file_as_to_standard_output() {
        const QByteArray body = QByteArray("<TABLE><TR><TD>Caf\xC3\xA9 <B>bold</B></TD></TR></TABLE>\n").repeated(40000);
        page("big.htm", "<HTML><BODY>\n" + body + "</BODY></HTML>\n");
        const test::CliRun whole = cleanup({"big.htm", "--set", "tag_case=1"});
        QCOMPARE(whole.exit_code, 0);
        QVERIFY(whole.out.size() > 3'000'000);
        const test::CliRun parts = cleanup({"big.htm", "--set", "tag_case=1", "-o", "big.htm"});
        QCOMPARE(parts.exit_code, 0);
        QCOMPARE(QString::fromUtf8(test::read_bytes(dir_.filePath("big.htm"))), whole.out);
        // Where no temporary file can be made, standard output's share waits in memory.
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/nonexistent/tmp");
        const test::CliRun in_memory = cleanup({"big.htm", "--set", "tag_case=1"});
        qputenv("TMPDIR", tmpdir);
        if (tmpdir.isEmpty()) qunsetenv("TMPDIR");
        QCOMPARE(in_memory.exit_code, 0);
        QCOMPARE(in_memory.out, whole.out);
        page("big.htm", "<HTML><BODY>\n" + body + "<P>&chips;</BODY></HTML>\n");
        const test::CliRun refused = cleanup({"big.htm", "-o", "big.htm"});
        QCOMPARE(refused.exit_code, 1);
        QVERIFY(test::read_bytes(dir_.filePath("big.htm")).endsWith("<P>&chips;</BODY></HTML>\n"));
    }

    void the_same_letter_is_written_where_the_encoding_holds_it_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("tag_case");
        QTest::addColumn<QByteArray>("declaration");  // as written to the file
        QTest::newRow("upper-cased in a UTF-8 page")
            << QByteArray(hooked_page("\n")).replace("\x83", "\xC6\x92").replace("\xE9", "\xC3\xA9") << "1"
            << QByteArray("<!DOCTYPE\xC6\x91 x>");
        QTest::newRow("left as it is in a Windows-1252 page") << hooked_page("\n") << "0" << QByteArray("<!doctype\x83 x>");
    }
    void the_same_letter_is_written_where_the_encoding_holds_it() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, tag_case);
        QFETCH(QByteArray, declaration);
        page("hook.htm", bytes);
        const test::CliRun run = cleanup({"hook.htm", "--set", "tag_case=" + tag_case, "-o", "out.htm"});
        QCOMPARE(run.exit_code, 0);
        QVERIFY(test::read_bytes(dir_.filePath("out.htm")).contains(declaration));
    }

    void bad_usage_and_unusable_files_exit_with_2_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no file") << QStringList();
        QTest::newRow("two files") << QStringList{"a.htm", "b.htm"};
        QTest::newRow("-o without a name") << QStringList{"a.htm", "-o"};
        QTest::newRow("unknown option") << QStringList{"a.htm", "--fast"};
        QTest::newRow("unknown configuration key") << QStringList{"a.htm", "--set", "colour=1"};
        QTest::newRow("missing file") << QStringList{"/nonexistent/page.htm"};
        QTest::newRow("a folder") << QStringList{"."};
        QTest::newRow("output in a missing folder") << QStringList{"a.htm", "-o", "/nonexistent/dir/out.htm"};
    }
    void bad_usage_and_unusable_files_exit_with_2() {
        QFETCH(QStringList, args);
        page("a.htm", clean_page);
        const test::CliRun run = cleanup(args);
        QCOMPARE(run.exit_code, 2);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(run.out, QString());
    }

    void help_describes_the_command() {
        const test::CliRun run = test::run_cli({"cleanup", "--help"});
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.out.startsWith("usage: tamsel cleanup FILE [-o OUT] [--ignore-errors]"));
        QVERIFY(test::run_cli({"--help"}).out.contains("cleanup"));
    }
};

TAMSEL_TEST(CleanupCliTest)
#include "cleanup_cli_test.moc"
