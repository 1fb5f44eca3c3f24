// `tamsel calendar`: whole pages against golden files, and the usage it refuses.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QString golden_dir() { return test::source_dir() + QStringLiteral("/tests/golden/calendar"); }

struct GoldenCase {
    const char* name;       // <name>.htm is the page (when there is one), <name>.expected the whole output
    const char* arguments;  // after the month's command and before PAGE, split at spaces
    bool page;
    const char* caret_at;   // --at the first occurrence of this text of the page; null: no --at
};

constexpr GoldenCase golden_cases[] = {
    {"new_page_small",          "03/2001",                     false, nullptr},
    {"page_medium_in_body",     "05/2026 --size medium",       true,  "<P>Second"},
    {"lf_page_large_from_head", "02/2004 --size LARGE",        true,  "<title>"},
    {"second_small_calendar",   "12/2001",                     true,  "</BODY>"},
};

}  // namespace

class CalendarCliTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    void pages_get_their_calendars_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(golden_cases)); ++i) QTest::newRow(golden_cases[i].name) << i;
    }
    void pages_get_their_calendars() {
        QFETCH(int, index);
        const GoldenCase& c = golden_cases[index];
        const QString base = golden_dir() + QLatin1Char('/') + QLatin1String(c.name);
        QStringList args = QStringList{"calendar"} + QString::fromLatin1(c.arguments).split(' ');
        if (c.page) {
            args << base + QStringLiteral(".htm");
            const QByteArray page = test::read_bytes(base + QStringLiteral(".htm"));
            QVERIFY(!page.isEmpty());
            if (c.caret_at) args << "--at" << QString::number(QString::fromUtf8(page).indexOf(QLatin1String(c.caret_at)));
        }
        const QString out = dir_.filePath(QLatin1String(c.name) + QStringLiteral(".htm"));
        const test::CliRun run = test::run_cli(args << "-o" << out);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exit_code, 0);
        const QByteArray actual = test::read_bytes(out);
        const QByteArray expected = test::read_bytes(base + QStringLiteral(".expected"));
        if (actual != expected) test::write_bytes(base + QStringLiteral(".actual"), actual);
        else QFile::remove(base + QStringLiteral(".actual"));
        QCOMPARE(actual, expected);
    }

    void the_page_goes_to_standard_output() {
        const test::CliRun run = test::run_cli({"calendar", "02/2001", "-"}, {}, "<P>x</P>\n");
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("<HTML>\n<HEAD>\n<style title=\"Calendar0\">")));
        // The caret stood before the paragraph: the table goes before it, in the new body.
        QVERIFY(run.out.contains(QStringLiteral("<BODY>\n<table border=3 width=320")));
        QVERIFY(run.out.contains(QStringLiteral("</table>\n<P>x</P>\n")));
    }

    void bad_usage_writes_nothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no month") << QStringList{} << "no MM/YYYY given";
        QTest::newRow("month 00") << QStringList{"00/2001"} << "not '00/2001'";
        QTest::newRow("month 13") << QStringList{"13/2001"} << "not '13/2001'";
        QTest::newRow("letters") << QStringList{"ab/cdef"} << "not 'ab/cdef'";
        QTest::newRow("wrong length") << QStringList{"3/2001"} << "not '3/2001'";
        QTest::newRow("unknown size") << QStringList{"03/2001", "--size", "huge"} << "not 'huge'";
        QTest::newRow("two pages") << QStringList{"03/2001", "a.htm", "b.htm"} << "one PAGE only";
        QTest::newRow("caret beyond the page") << QStringList{"03/2001", "-", "--at", "9"} << "--at 9 is beyond the end";
        QTest::newRow("page missing") << QStringList{"03/2001", "missing.htm"} << "cannot read 'missing.htm'";
    }
    void bad_usage_writes_nothing() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString out = dir_.filePath(QStringLiteral("never.htm"));
        const test::CliRun run = test::run_cli(QStringList{"calendar"} + args + QStringList{"-o", out}, dir_.path(), "<P>");
        QCOMPARE(run.exit_code, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(run.out, QString());
    }

    void help_names_the_sizes() {
        const test::CliRun run = test::run_cli({"calendar", "--help"});
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("usage: tamsel calendar MM/YYYY")));
        QVERIFY(run.out.contains(QStringLiteral("large: 980 pixels")));
    }
};

TAMSEL_TEST(CalendarCliTest)
#include "calendar_cli_test.moc"
