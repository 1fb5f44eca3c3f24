// The readable sources of the database: escapes, dump and build, and the consistency check.
#include "platform/paths.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/db_check.h"
#include "tagdb/db_source.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

// Tables as another program might have written them: unsorted, 8-bit and awkward texts, unknown codes.
SourceTables awkward_tables() {
    SourceTables t;
    t.tags = {TagRecord{}};
    TagRecord r;
    r.category = 200;
    r.key = QStringLiteral("#HASH");
    r.name = QStringLiteral(" lead and trail ");
    r.description = QStringLiteral("pipe | back\\slash \t tab \r\n break \x01 \u20AC\u0081 \u00FF");
    r.closing_tag = 7;
    r.break_after_close = true;
    r.parents = QStringLiteral("TR,TABLE");
    t.tags << r << TagRecord{} << r;
    t.tags[3].key = QStringLiteral("A");
    t.attrs = {AttrRecord{}, AttrRecord{QStringLiteral("ZZ"), QStringLiteral("x"), 0, QStringLiteral(","), true},
               AttrRecord{QStringLiteral("A"), QString(), 99, QString(), false}};
    t.stylesheet = {StylesheetRecord{}, StylesheetRecord{QStringLiteral("color"), 255, QString()}};
    t.colors = {ColorRecord{}, ColorRecord{QString(), QStringLiteral("#12")}};
    t.vocabulary = {VocabEntry{}, VocabEntry{QStringLiteral("if"), QStringLiteral("If")}};
    t.config.version = -3;
    t.config.notice = QStringLiteral(" spaced ");
    t.config.reserved = QByteArray::fromHex("00112233445566778899aabbccddeeff01020304");
    return t;
}

}  // namespace

class DbSourceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void escapes_round_trip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Table data cell";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks at the ends") << "  x  ";
        QTest::newRow("one blank") << " ";
        QTest::newRow("pipe and backslash") << "a|b\\c\\";
        QTest::newRow("control characters") << "\t\r\n\x01\x1f";
        QTest::newRow("hash first") << "#x";
        QTest::newRow("windows-1252 holes") << QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d");
    }
    void escapes_round_trip() {
        QFETCH(QString, text);
        for (bool first : {false, true}) {
            const QString escaped = escape_column(text, first);
            QVERIFY(!escaped.contains(QLatin1Char('|')) || escaped.contains(QStringLiteral("\\|")));
            QCOMPARE(escaped.trimmed(), escaped);
            QCOMPARE(unescape_column(escaped), text);
        }
    }

    void dump_then_build_gives_the_same_bytes() {
        QTemporaryDir dir;
        QString error;
        const SourceTables original = awkward_tables();
        QVERIFY2(write_database_files(original, dir.filePath(QStringLiteral("db1")), &error), qPrintable(error));
        QStringList problems;
        const SourceTables read = read_database_files(dir.filePath(QStringLiteral("db1")), &problems);
        QVERIFY(problems.isEmpty());
        QVERIFY2(write_sources(read, dir.filePath(QStringLiteral("src")), &error), qPrintable(error));
        const SourceTables rebuilt = read_sources(dir.filePath(QStringLiteral("src")), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(write_database_files(rebuilt, dir.filePath(QStringLiteral("db2")), &error));
        for (const char* f : {"Config.DB", "HTML_Tags.DB", "HTML_Attr.DB", "Stylesheet.DB", "Colors.DB", "Vocabulary.DB"})
            QCOMPARE(test::read_bytes(dir.filePath(QStringLiteral("db2/") + QLatin1String(f))),
                     test::read_bytes(dir.filePath(QStringLiteral("db1/") + QLatin1String(f))));
    }

    void shipped_sources_build_the_shipped_files() {
        QStringList problems;
        const SourceTables t = read_sources(test::source_dir() + QStringLiteral("/data"), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QTemporaryDir dir;
        QString error;
        QVERIFY(write_database_files(t, dir.path(), &error));
        for (const QString& base : database_base_names())
            QCOMPARE(test::read_bytes(dir.filePath(base + QStringLiteral(".DB"))),
                     test::read_bytes(test::data_dir() + QLatin1Char('/') + base + QStringLiteral(".DB")));
    }

    void bad_source_lines_are_reported_with_their_place() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(write_sources(awkward_tables(), dir.path(), &error));
        test::write_bytes(dir.filePath(QStringLiteral("HTML_Tags.txt")), "# c\nA | A | x | maybe | BAba |\n");
        QStringList problems;
        read_sources(dir.path(), &problems);
        QCOMPARE(problems.size(), 4);
        QVERIFY(problems[0].startsWith(QStringLiteral("HTML_Tags.txt:2: 6 columns")));
        QVERIFY(problems.join(QLatin1Char('\n')).contains(QStringLiteral("'maybe'")));
    }

    void check_lists_each_kind_of_fault() {
        SourceTables t;
        t.tags = {TagRecord{}};
        const auto add_tag = [&](const char* key, int category, std::uint8_t closing, const char* parents) {
            TagRecord r;
            r.key = QLatin1String(key);
            r.category = static_cast<std::uint8_t>(category);
            r.closing_tag = closing;
            r.parents = QLatin1String(parents);
            t.tags << r;
        };
        add_tag("BR", 10, closing_none, "");
        add_tag("TD", 4, closing_required, "BR");    // parent not a container
        add_tag("TD", 4, closing_required, "");      // duplicated
        add_tag("P", 12, closing_optional, "NOPE");  // out of order, unknown category, unknown parent
        add_tag("Q", 9, closing_required, "P");      // parent whose end tag is optional
        t.attrs = {AttrRecord{}, AttrRecord{QStringLiteral("TD"), QStringLiteral("ALIGN"), 3, QStringLiteral("left"), false},
                   AttrRecord{QStringLiteral("XX"), QStringLiteral("A"), 13, QString(), false}};
        t.colors = {ColorRecord{}, ColorRecord{QStringLiteral("Red"), QStringLiteral("red")}};
        t.vocabulary = {VocabEntry{}, VocabEntry{QStringLiteral("if"), QStringLiteral("If")}, VocabEntry{QStringLiteral("if"), QStringLiteral("IF")}};
        const QString report = check_tables(t).join(QLatin1Char('\n'));
        for (const char* expected : {"HTML_Tags 2 (TD): parent BR is not a container", "HTML_Tags 3 (TD): key duplicated",
                                     "HTML_Tags 4 (P): key out of order after TD", "HTML_Tags 4 (P): unknown category 12",
                                     "HTML_Tags 4 (P): parent NOPE does not exist", "HTML_Attr 1 (TD ALIGN): Choice without",
                                     "HTML_Attr 2 (XX A): tag does not exist", "HTML_Attr 2 (XX A): unknown type 13",
                                     "Colors 1 (Red): value 'red' is not #RRGGBB", "Vocabulary 2 (IF): same word as line 1",
                                     "HTML_Tags 5 (Q): parent P has no required end tag"})
            QVERIFY2(report.contains(QLatin1String(expected)), expected);
        QCOMPARE(check_tables(t).size(), 11);
    }
};

TAMSEL_TEST(DbSourceTest)
#include "db_source_test.moc"
