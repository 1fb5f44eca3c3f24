// The fixed tables: categories, attribute types and the character entities.
#include "support/test_registry.h"
#include "tagdb/fixed_tables.h"

#include <QTest>

using namespace tamsel;

class FixedTablesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void category_codes_and_positions_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << 1 << "Top-level Elements";
        QTest::newRow("tables") << 4 << 4 << "Tables";
        QTest::newRow("last numbered") << 11 << 11 << "Font Style Elements";
        QTest::newRow("other is code 99 on the last place") << 99 << 12 << "Other";
        QTest::newRow("12 belongs to no group") << 12 << 0 << "";
        QTest::newRow("0 belongs to no group") << 0 << 0 << "";
    }
    void category_codes_and_positions() {
        QFETCH(int, code);
        QFETCH(int, position);
        QFETCH(QString, name);
        QCOMPARE(category_position(code), position);
        QCOMPARE(category_names[position].name.toString(), name);
        if (position > 0) QCOMPARE(category_code(position), code);
    }

    void attribute_type_names() {
        QCOMPARE(attr_type_name(0), QString());
        QCOMPARE(attr_type_name(1), QStringLiteral("Text"));
        QCOMPARE(attr_type_name(type_choice), QStringLiteral("Choice"));
        QCOMPARE(attr_type_name(type_color), QStringLiteral("Color"));
        QCOMPARE(attr_type_name(type_event), QStringLiteral("Event"));
        QCOMPARE(attr_type_name(12), QStringLiteral("Boolean"));
        QCOMPARE(attr_type_name(13), QString());
    }

    void entity_table_counts_and_order() {
        EntityTable t;
        t.build_entity_table();
        QCOMPARE(t.count(), 154);
        QCOMPARE(t.low_count(), 109);
        QCOMPARE(t.at(0).char_text, QStringLiteral("\""));
        QCOMPARE(t.at(0).name, QStringLiteral("quot"));
        QCOMPARE(t.at(1).char_text, QStringLiteral("&&"));
        QCOMPARE(t.at(28).char_text, QStringLiteral("#159"));
        QCOMPARE(t.at(29).name, QStringLiteral("nbsp"));
        QCOMPARE(t.at(108).name, QStringLiteral("yuml"));
        QCOMPARE(t.at(109).code, 305);
        QCOMPARE(t.at(146).name, QStringLiteral("int "));
        QCOMPARE(t.at(153).name, QStringLiteral("Omega"));
        // Every 8-bit entry comes before every other one.
        for (int i = 0; i < t.count(); ++i) QCOMPARE(t.at(i).code <= 255, i < t.low_count());
    }

    void entity_lookups_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("entry");
        QTest::newRow("lt by name") << "lt" << 0 << 2;
        QTest::newRow("names are case-sensitive") << "Agrave" << 0 << 52;
        QTest::newRow("lower agrave") << "agrave" << 0 << 80;
        QTest::newRow("int without blank is not found") << "int" << 0 << -1;
        QTest::newRow("int with blank") << "int " << 0 << 146;
        QTest::newRow("empty name finds nothing") << "" << 0 << -1;
        QTest::newRow("8260 by code only") << "" << 8260 << 139;
        QTest::newRow("8480 by code only") << "" << 8480 << 141;
        QTest::newRow("copy by code") << "" << 169 << 37;
        QTest::newRow("unknown code") << "" << 9999 << -1;
    }
    void entity_lookups() {
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(int, entry);
        EntityTable t;
        t.build_entity_table();
        QCOMPARE(code ? t.find_code(code) : t.find_name(name), entry);
    }

    void add_entity_rules() {
        EntityTable t;
        t.add_entity(QStringLiteral("'''"), QStringLiteral("quot"));
        t.add_entity(QStringLiteral("#300"), QStringLiteral("x"));
        t.add_entity(QStringLiteral("#255"), QStringLiteral("y"));
        QCOMPARE(t.at(0).char_text, QStringLiteral("\""));
        QCOMPARE(t.count(), 3);
        QCOMPARE(t.low_count(), 2);
        t.build_entity_table();
        QCOMPARE(t.count(), 154);  // building starts afresh
    }
};

TAMSEL_TEST(FixedTablesTest)
#include "fixed_tables_test.moc"
