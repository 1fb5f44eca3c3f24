// The byte layout of the database files: what a file holds is what comes back, byte for byte.
#include "support/test_registry.h"
#include "tagdb/db_layout.h"

#include <QTest>

using namespace tamsel;

namespace {

TagRecord tag(const QString& key, std::uint8_t closing = closing_required, const QString& parents = {}) {
    TagRecord r;
    r.category = 4;
    r.key = key;
    r.name = key.toLower();
    r.description = QStringLiteral("Desc ") + key;
    r.break_before_open = true;
    r.indent = true;
    r.closing_tag = closing;
    r.parents = parents;
    return r;
}

// An attribute file of one record for each tag, in that order.
QByteArray attr_file(const QStringList& tags) {
    Table<AttrRecord> table{AttrRecord{}};
    for (const QString& tag : tags) {
        const int n = static_cast<int>(table.size());
        table.append({tag, QStringLiteral("NAME%1").arg(n), static_cast<std::uint8_t>(n % 12), QStringLiteral("a,b"), n % 2 == 0});
    }
    return serialize_attrs(table);
}

}  // namespace

class DbLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tag_record_bytes_follow_the_layout() {
        Table<TagRecord> t{TagRecord{}, tag(QStringLiteral("TD"), closing_optional, QStringLiteral("TR"))};
        const QByteArray b = serialize_tags(t);
        // count, category, key, name, description, six flags, closing, parents
        const QByteArray expected = QByteArray::fromHex("0100" "04" "02005444" "02007464" "070044657363205444"
                                       "ffff" "0000" "0000" "0000" "ffff" "0000" "02" "02005452");
        QCOMPARE(b, expected);
        QCOMPARE(parse_tags(b), t);
    }

    void round_trips_are_byte_exact_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("table");
        QTest::newRow("empty tags table") << QByteArray::fromHex("0000") << 0;
        QTest::newRow("tag with all texts empty") << QByteArray::fromHex("0100" "00" "0000" "0000" "0000" "000000000000000000000000" "00" "0000") << 0;
        QTest::newRow("tag with 8-bit texts") << QByteArray::fromHex("0100" "63" "0200c4ff" "03008081ff" "01009d" "ffffffffffffffffffffffff" "09" "0100ff") << 0;
        QTest::newRow("empty attr table") << QByteArray::fromHex("0000") << 1;
        QTest::newRow("attr with choices") << QByteArray::fromHex("0100" "01004e" "020041" "42" "03" "0300612c62" "ffff") << 1;
        QTest::newRow("stylesheet") << QByteArray::fromHex("0200" "0100" "61" "07" "0000" "0000" "00" "0200782c") << 2;
        QTest::newRow("colors") << QByteArray::fromHex("0100" "0300526564" "070023464630303030") << 3;
        QTest::newRow("config") << (QByteArray::fromHex("0100" "0200" "6869") + QByteArray(20, '\x07')) << 4;
    }
    void round_trips_are_byte_exact() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, table);
        switch (table) {
        case 0: QCOMPARE(serialize_tags(parse_tags(bytes)), bytes); break;
        case 1: QCOMPARE(serialize_attrs(parse_attrs(bytes)), bytes); break;
        case 2: QCOMPARE(serialize_stylesheet(parse_stylesheet(bytes)), bytes); break;
        case 3: QCOMPARE(serialize_colors(parse_colors(bytes)), bytes); break;
        default: QCOMPARE(serialize_config(parse_config(bytes)), bytes); break;
        }
    }

    // A tag's records read from the attribute file alone are the ones the whole table holds for it, in the
    // file's order.
    void a_tag_s_records_are_those_of_the_whole_table_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("count");
        QByteArray beyond = attr_file({QStringLiteral("A")});
        beyond[0] = 3;
        QTest::newRow("records of a tag in one run") << attr_file({"A", "A", "B"}) << "A" << 2;
        QTest::newRow("records of a tag apart, in file order") << attr_file({"B", "A", "B", "C", "B"}) << "B" << 3;
        QTest::newRow("tags out of order") << attr_file({"TD", "A", "P"}) << "A" << 1;
        QTest::newRow("a key that begins other tags") << attr_file({"TD", "T", "TR"}) << "T" << 1;
        QTest::newRow("letter case counts") << attr_file({"A"}) << "a" << 0;
        QTest::newRow("absent tag") << attr_file({"A", "C"}) << "B" << 0;
        QTest::newRow("8-bit tag") << attr_file({QStringLiteral("\u00C9"), QStringLiteral("\u0152")}) << QStringLiteral("\u0152") << 1;
        QTest::newRow("a key with no 8-bit byte finds nothing") << attr_file({"?", "A"}) << QStringLiteral("\u0100") << 0;
        QTest::newRow("empty tag") << attr_file({"", "A", ""}) << "" << 2;
        QTest::newRow("record cut off by the end of the file") << attr_file({"A", "A"}).chopped(3) << "A" << 2;
        QTest::newRow("count beyond the end") << beyond << "" << 2;
        QTest::newRow("no bytes at all") << QByteArray() << "" << 0;
    }
    void a_tag_s_records_are_those_of_the_whole_table() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(int, count);
        const Table<AttrRecord> whole = parse_attrs(file);
        QList<AttrRecord> expected;
        for (qsizetype i = 1; i < whole.size(); ++i)
            if (whole[i].tag == key) expected.append(whole[i]);
        QCOMPARE(expected.size(), count);
        QCOMPARE(AttrFile(file).records_of(key), expected);
    }

    void any_nonzero_flag_reads_true() {
        const QByteArray b = QByteArray::fromHex("0100" "0000" "0000" "01" "0000" "0100");
        const Table<AttrRecord> t = parse_attrs(b);
        QVERIFY(t[1].required);
        QCOMPARE(serialize_attrs(t).right(2), QByteArray::fromHex("ffff"));
    }

    void short_file_reads_empty_records_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("slot_count");
        QTest::addColumn<QString>("first_key");
        QTest::newRow("count beyond the end") << QByteArray::fromHex("0300" "01" "01004100") << 4 << QStringLiteral("A");
        QTest::newRow("text cut by the end") << QByteArray::fromHex("0100" "01" "05004142") << 2 << QStringLiteral("AB");
        QTest::newRow("negative count") << QByteArray::fromHex("ffff" "01" "01004100") << 1 << QString();
        QTest::newRow("largest count, no records") << QByteArray::fromHex("ff7f") << 32768 << QString();
        QTest::newRow("no bytes at all") << QByteArray() << 1 << QString();
    }
    void short_file_reads_empty_records() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, slot_count);
        QFETCH(QString, first_key);
        const Table<TagRecord> t = parse_tags(bytes);
        QCOMPARE(t.size(), slot_count);
        if (slot_count > 1) QCOMPARE(t[1].key, first_key);
        if (slot_count > 2) QCOMPARE(t.last(), TagRecord{});
    }

    void vocabulary_lines_keep_their_written_form() {
        const Table<VocabEntry> v = parse_vocabulary("MsgBox\r\nvbCrLf\r\nlast");
        QCOMPARE(v.size(), 4);
        QCOMPARE(v[1], (VocabEntry{QStringLiteral("msgbox"), QStringLiteral("MsgBox")}));
        QCOMPARE(v[3].written, QStringLiteral("last"));
        QCOMPARE(serialize_vocabulary(v), QByteArray("MsgBox\r\nvbCrLf\r\nlast\r\n"));
    }

    void overlong_text_is_cut_to_what_its_length_can_say() {
        Table<ColorRecord> t{ColorRecord{}, ColorRecord{QString(70000, QLatin1Char('x')), QStringLiteral("#000000")}};
        const Table<ColorRecord> back = parse_colors(serialize_colors(t));
        QCOMPARE(back[1].name.size(), 65535);
        QCOMPARE(back[1].value, QStringLiteral("#000000"));
    }
};

TAMSEL_TEST(DbLayoutTest)
#include "db_layout_test.moc"
