// Loading, saving, sorting and looking up the tag database.
#include "platform/paths.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/db_source.h"
#include "tagdb/tag_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <atomic>
#include <thread>
#include <vector>

using namespace tamsel;

namespace {

TagRecord tag(const QString& key) {
    TagRecord r;
    r.key = key;
    r.name = key;
    r.category = 3;
    r.closing_tag = closing_required;
    return r;
}

AttrRecord attr(const QString& tag_key, const QString& name) { return {tag_key, name, 1, {}, false}; }

// A folder holding the shipped database files.
void copy_shipped(const QString& to) {
    for (const QString& base : database_base_names())
        QVERIFY(QFile::copy(test::data_dir() + QLatin1Char('/') + base + QStringLiteral(".DB"), to + QLatin1Char('/') + base + QStringLiteral(".DB")));
}

}  // namespace

class TagDatabaseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shipped_database_loads() {
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        QVERIFY(!db.db_fatal);
        QVERIFY(db.tag_count() > 0);
        QVERIFY(db.attr_count() > 0);
        QCOMPARE(db.entities().count(), 154);
    }

    void missing_file_stops_the_load_data() {
        QTest::addColumn<QString>("missing");
        for (const QString& base : database_base_names()) QTest::newRow(qPrintable(base)) << base;
    }
    void missing_file_stops_the_load() {
        QFETCH(QString, missing);
        QTemporaryDir dir;
        copy_shipped(dir.path());
        QVERIFY(QFile::remove(dir.filePath(missing + QStringLiteral(".DB"))));
        TagDatabase db;
        QVERIFY(!db.load_database(dir.path()));
        QVERIFY(db.db_fatal);
        QCOMPARE(db.missing_file, missing);
        QCOMPARE(db.fatal_message(), QStringLiteral("FATAL ERROR\r\nRequired File Missing\r\n") + missing);
        // The table of the missing file and every later one stay empty.
        const QStringList order = database_base_names();
        const int at = static_cast<int>(order.indexOf(missing));
        const QList<int> sizes = {db.config().notice.isEmpty() ? 0 : 1, db.tag_count(), db.attr_count(),
                                  static_cast<int>(db.stylesheet().size()) - 1, static_cast<int>(db.vocabulary().size()) - 1,
                                  static_cast<int>(db.colors().size()) - 1};
        for (int i = 0; i < order.size(); ++i) QCOMPARE(sizes[i] > 0, i < at);
    }

    void lookup_tag_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("upper");
        QTest::newRow("lower case finds the key") << "img" << 3 << "IMG";
        QTest::newRow("first key") << "A" << 1 << "A";
        QTest::newRow("last key") << "ul" << 6 << "UL";
        QTest::newRow("absent between keys") << "C" << -1 << "C";
        QTest::newRow("greater than every key") << "ZZZ" << -1 << "ZZZ";
        QTest::newRow("smaller than every key") << "!" << -1 << "!";
        QTest::newRow("empty name finds the empty slot") << "" << 0 << "";
    }
    void lookup_tag() {
        QFETCH(QString, name);
        QFETCH(int, expected);
        QFETCH(QString, upper);
        TagDatabase db;
        for (const char* k : {"A", "BODY", "IMG", "P", "TD", "UL"}) db.edit_tags().append(tag(QLatin1String(k)));
        QString handed_back;
        QCOMPARE(db.lookup_tag(name, &handed_back), expected);
        QCOMPARE(handed_back, upper);
    }

    void lookup_finds_every_key_of_every_table_size() {
        // The probe rounds half to even; every stored key must still be reached, whatever the count.
        for (int n = 1; n <= 70; ++n) {
            TagDatabase db;
            for (int i = 0; i < n; ++i) db.edit_tags().append(tag(QStringLiteral("T%1").arg(i, 3, 10, QLatin1Char('0'))));
            for (int i = 1; i <= n; ++i) QCOMPARE(db.lookup_tag(db.tags()[i].key), i);
            QCOMPARE(db.lookup_tag(QStringLiteral("T")), -1);
            QCOMPARE(db.lookup_tag(QStringLiteral("U")), -1);
        }
    }

    void appended_tag_is_found_only_after_sorting() {
        TagDatabase db;
        for (const char* k : {"B", "D", "F"}) db.edit_tags().append(tag(QLatin1String(k)));
        db.edit_tags().append(tag(QStringLiteral("C")));
        db.tags_need_sort = true;
        QCOMPARE(db.lookup_tag(QStringLiteral("c")), -1);
        db.sort_tags();
        QVERIFY(!db.tags_need_sort);
        QCOMPARE(db.lookup_tag(QStringLiteral("c")), 2);
    }

    void sort_drops_deleted_records() {
        TagDatabase db;
        for (const char* k : {"P", "A", "TD", "B"}) db.edit_tags().append(tag(QLatin1String(k)));
        db.edit_tags()[1].key = deleted_marker;
        db.edit_tags()[3].key = deleted_marker;
        db.sort_tags();
        QCOMPARE(db.tag_count(), 2);
        QCOMPARE(db.tags()[1].key, QStringLiteral("A"));
        QCOMPARE(db.tags()[2].key, QStringLiteral("B"));
        for (int i = 1; i <= 2; ++i) db.edit_tags()[i].key = deleted_marker;
        db.sort_tags();
        QCOMPARE(db.tag_count(), 0);
        QCOMPARE(db.tags().size(), 1);
    }

    void attributes_sort_by_character_code() {
        TagDatabase db;
        db.edit_attrs() << attr(QStringLiteral("TD"), QStringLiteral("Align")) << attr(QStringLiteral("IMG"), QStringLiteral("SRC"))
                        << attr(QStringLiteral("TD"), QStringLiteral("ALT")) << attr(deleted_marker, QStringLiteral("X"))
                        << attr(QStringLiteral("IMG"), QStringLiteral("ALT"));
        db.sort_attrs();
        QStringList order;
        for (int i = 1; i <= db.attr_count(); ++i) order << db.attrs()[i].tag + QLatin1Char(' ') + db.attrs()[i].name;
        QCOMPARE(order, QStringList({"IMG ALT", "IMG SRC", "TD ALT", "TD Align"}));
    }

    void equal_keys_keep_the_exchange_sort_order() {
        // With two records of one key, the exchange sort's order is the one kept, not the standard sort's.
        TagDatabase db;
        db.edit_attrs() << attr(QStringLiteral("B"), QStringLiteral("X")) << attr(QStringLiteral("A"), QStringLiteral("X"))
                        << attr(QStringLiteral("B"), QStringLiteral("X")) << attr(QStringLiteral("A"), QStringLiteral("X"));
        db.edit_attrs()[1].choices = QStringLiteral("first");
        db.edit_attrs()[3].choices = QStringLiteral("second");
        db.edit_attrs()[2].choices = QStringLiteral("a1");
        db.edit_attrs()[4].choices = QStringLiteral("a2");
        // By hand: i=1 swaps with 2 (B > A); i=2 swaps "first" with "a2"; equal keys never swap.
        db.sort_attrs();
        QStringList order;
        for (int i = 1; i <= 4; ++i) order << db.attrs()[i].choices;
        QCOMPARE(order, QStringList({"a1", "a2", "second", "first"}));
    }

    void attributes_of_equals_a_scan() {
        TagDatabase db;
        db.load_database(test::data_dir());
        for (int t = 1; t <= db.tag_count(); ++t) {
            QList<int> scanned;
            for (int i = 1; i <= db.attr_count(); ++i)
                if (db.attrs()[i].tag == db.tags()[t].key) scanned << i;
            QCOMPARE(db.attributes_of(db.tags()[t].key), scanned);
        }
        db.edit_attrs().append(attr(QStringLiteral("ZZZ"), QStringLiteral("NEW")));
        QCOMPARE(db.attributes_of(QStringLiteral("ZZZ")), QList<int>({db.attr_count()}));
    }

    void a_tag_s_attribute_records_read_from_the_file_are_those_of_the_table() {
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        qsizetype compared = 0;
        for (int t = 1; t <= db.tag_count(); ++t) {
            const QString& key = db.tags()[t].key;
            QList<AttrRecord> scanned;
            for (int i = 1; i <= db.attr_count(); ++i)
                if (db.attrs()[i].tag == key) scanned << db.attrs()[i];
            QCOMPARE(db.attribute_records_of(key), scanned);
            compared += scanned.size();
        }
        QVERIFY(compared > db.attr_count() / 2);
    }

    // Once the attribute table changes, a tag's records are the table's, no longer the file's.
    void attribute_records_follow_the_changed_table_data() {
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("deleted");
        QTest::newRow("table read, not changed") << "" << "";
        QTest::newRow("record added") << "NEW" << "";
        QTest::newRow("record deleted and the table sorted") << "" << "VALIGN";
    }
    void attribute_records_follow_the_changed_table() {
        QFETCH(QString, added);
        QFETCH(QString, deleted);
        const QString key = QStringLiteral("TD");
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        QStringList expected;
        for (const AttrRecord& a : db.attribute_records_of(key)) expected << a.name;
        QVERIFY(expected.contains(QStringLiteral("VALIGN")));
        QVERIFY(db.attr_count() > 0);
        if (!added.isEmpty()) {
            db.edit_attrs().append(attr(key, added));
            expected << added;
        }
        if (!deleted.isEmpty()) {
            Table<AttrRecord>& attrs = db.edit_attrs();
            for (AttrRecord& a : attrs)
                if (a.tag == key && a.name == deleted) a.tag = deleted_marker;
            db.sort_attrs();
            expected.removeOne(deleted);
        }
        QStringList names;
        for (const AttrRecord& a : db.attribute_records_of(key)) names << a.name;
        QCOMPARE(names, expected);
    }

    // The tables read when first asked for belong to each copy of the database: a change to one copy
    // leaves the other as loaded, whether the copy was made before or after the first ask.
    void a_copy_reads_and_changes_its_own_tables_data() {
        QTest::addColumn<bool>("asked_before_copy");
        QTest::newRow("copied before first use") << false;
        QTest::newRow("copied after first use") << true;
    }
    void a_copy_reads_and_changes_its_own_tables() {
        QFETCH(bool, asked_before_copy);
        TagDatabase loaded;
        QVERIFY(loaded.load_database(test::data_dir()));
        const TagDatabase pristine = loaded;
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        if (asked_before_copy) QVERIFY(db.vocabulary().size() + db.colors().size() + db.stylesheet().size() + db.attrs().size() > 4);
        TagDatabase copy = db;
        copy.edit_vocabulary().append(VocabEntry{QStringLiteral("zzz"), QStringLiteral("ZZZ")});
        copy.edit_colors().removeLast();
        copy.edit_stylesheet()[1].values = QStringLiteral("changed");
        copy.edit_attrs()[1].name = QStringLiteral("CHANGED");
        QCOMPARE(db.vocabulary(), pristine.vocabulary());
        QCOMPARE(db.colors(), pristine.colors());
        QCOMPARE(db.stylesheet(), pristine.stylesheet());
        QCOMPARE(db.attrs(), pristine.attrs());
        QCOMPARE(copy.vocabulary().size(), pristine.vocabulary().size() + 1);
        QCOMPARE(copy.colors().size(), pristine.colors().size() - 1);
        QCOMPARE(copy.stylesheet()[1].values, QStringLiteral("changed"));
        QCOMPARE(copy.attrs()[1].name, QStringLiteral("CHANGED"));
    }

    // Threads that ask at once for tables nobody asked for before all get the one table, read once.
    void tables_asked_for_by_several_threads_at_once_are_read_once() {
        TagDatabase db;
        QVERIFY(db.load_database(test::data_dir()));
        db.prepare_for_readers();
        constexpr int thread_count = 4;
        std::array<std::array<const void*, 4>, thread_count> seen{};
        std::atomic<int> waiting{thread_count};
        std::vector<std::thread> threads;
        for (int t = 0; t < thread_count; ++t)
            threads.emplace_back([&, t] {
                for (--waiting; waiting > 0;) std::this_thread::yield();
                seen[t] = {&db.vocabulary(), &db.colors(), &db.stylesheet(), &db.attrs()};
            });
        for (std::thread& t : threads) t.join();
        for (int t = 1; t < thread_count; ++t) QCOMPARE(seen[t], seen[0]);
        TagDatabase alone;
        QVERIFY(alone.load_database(test::data_dir()));
        QCOMPARE(db.vocabulary(), alone.vocabulary());
        QCOMPARE(db.colors(), alone.colors());
        QCOMPARE(db.stylesheet(), alone.stylesheet());
        QCOMPARE(db.attrs(), alone.attrs());
    }

    void save_reproduces_the_files() {
        QTemporaryDir dir;
        copy_shipped(dir.path());
        TagDatabase db;
        db.load_database(dir.path());
        QVERIFY(db.save_database(dir.path()).ok);
        for (const char* base : {"HTML_Tags", "HTML_Attr", "Stylesheet", "Config"})
            QCOMPARE(test::read_bytes(dir.filePath(QLatin1String(base) + QStringLiteral(".DB"))),
                     test::read_bytes(test::data_dir() + QLatin1Char('/') + QLatin1String(base) + QStringLiteral(".DB")));
    }

    void save_writes_version_and_notice_and_sorts() {
        QTemporaryDir dir;
        TagDatabase db;
        db.edit_config().version = 7;
        db.edit_tags() << tag(QStringLiteral("P")) << tag(QStringLiteral("A"));
        db.tags_need_sort = true;
        QVERIFY(db.save_database(dir.path()).ok);
        const ConfigRecord c = parse_config(test::read_bytes(dir.filePath(QStringLiteral("Config.DB"))));
        QCOMPARE(c.version, 1);
        QCOMPARE(c.notice, config_notice);
        QCOMPARE(parse_tags(test::read_bytes(dir.filePath(QStringLiteral("HTML_Tags.DB"))))[1].key, QStringLiteral("A"));
        QCOMPARE(test::read_bytes(dir.filePath(QStringLiteral("Stylesheet.DB"))), QByteArray::fromHex("0000"));
    }

    void failed_save_stops_and_says_which_file() {
        // A folder standing where HTML_Attr.DB belongs makes that write fail, whoever runs the test.
        QTemporaryDir dir;
        copy_shipped(dir.path());
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("HTML_Attr.DB"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("HTML_Attr.DB")));
        const QByteArray stylesheet_before = test::read_bytes(dir.filePath(QStringLiteral("Stylesheet.DB")));
        TagDatabase db;
        db.edit_tags() << tag(QStringLiteral("NEW"));
        db.edit_stylesheet() << StylesheetRecord{QStringLiteral("new"), 1, QString()};
        const SaveResult r = db.save_database(dir.path());
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("HTML_Attr.DB")), qPrintable(r.error));
        QCOMPARE(parse_tags(test::read_bytes(dir.filePath(QStringLiteral("HTML_Tags.DB"))))[1].key, QStringLiteral("NEW"));
        QCOMPARE(test::read_bytes(dir.filePath(QStringLiteral("Stylesheet.DB"))), stylesheet_before);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("HTML_Attr.DB"))).isDir());
    }

    void parent_lists_split_and_join_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("one") << "TR" << QStringList({"TR"});
        QTest::newRow("several") << "UL,OL,MENU" << QStringList({"UL", "OL", "MENU"});
        QTest::newRow("empty part ends the list") << "UL,,OL" << QStringList({"UL"});
    }
    void parent_lists_split_and_join() {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        QCOMPARE(split_parents(text), names);
        if (!text.contains(QStringLiteral(",,"))) QCOMPARE(join_parents(names), text);
    }
};

TAMSEL_TEST(TagDatabaseTest)
#include "tag_database_test.moc"
