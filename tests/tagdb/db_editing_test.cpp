// The database editors' rules on the tables: renaming moves attributes, a new tag takes the attributes
// made for it and no others, refusals leave the tables as they were, deleting marks records that the next
// sort and the next save drop.
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/db_editing.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

struct Db {
    QTemporaryDir dir;
    TagDatabase db;
    Db() {
        QCOMPARE_EQ(test::run_cli({"db", "build", test::fixture("spec_db"), dir.path()}).exit_code, 0);
        db.load_database(dir.path());
    }
};

QStringList attributes_of(const TagDatabase& db, const QString& key) {
    QStringList names;
    for (const AttrRecord& a : db.attribute_records_of(key)) names << a.name;
    return names;
}

}  // namespace

class DbEditingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void renaming_a_tag_moves_its_attributes() {
        Db d;
        TagEdit edit = open_tag_edit(d.db, QStringLiteral("P"));
        QVERIFY(edit.record > 0);
        TagRecord f = edit.copy;
        f.name = QStringLiteral("Para");
        QCOMPARE(save_tag(d.db, edit, f), QString());
        d.db.sort_attrs();
        d.db.sort_tags();
        QVERIFY(attributes_of(d.db, QStringLiteral("P")).isEmpty());
        QCOMPARE(attributes_of(d.db, QStringLiteral("PARA")).size(), 4);
        QVERIFY(d.db.lookup_tag(QStringLiteral("para")) > 0);
        QVERIFY(d.db.db_changed);
    }

    void a_new_tag_takes_only_the_attributes_made_for_it() {
        Db d;
        TagEdit first = open_tag_edit(d.db, QString());
        AttrEdit attr = open_attr_edit(d.db, first.copy.name, QString());  // made before the tag has a key
        QCOMPARE(save_attribute(d.db, attr, QStringLiteral("SRC"), type_url, {}, true), QString());
        TagRecord f = first.copy;
        f.name = QStringLiteral("VIDEO");
        f.closing_tag = closing_required;
        QCOMPARE(save_tag(d.db, first, f), QString());
        TagEdit second = open_tag_edit(d.db, QString());
        f.name = QStringLiteral("AUDIO");
        QCOMPARE(save_tag(d.db, second, f), QString());
        d.db.sort_attrs();
        d.db.sort_tags();
        QCOMPARE(attributes_of(d.db, QStringLiteral("VIDEO")), QStringList{QStringLiteral("SRC")});
        QVERIFY(attributes_of(d.db, QStringLiteral("AUDIO")).isEmpty());
        QCOMPARE(d.db.tags()[d.db.lookup_tag(QStringLiteral("AUDIO"))].category, std::uint8_t{99});
    }

    void refusals_leave_the_tables_alone_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("message");
        QTest::newRow("duplicate tag name") << "tag td" << "Duplicate TagName\r\ntd is already in database";
        QTest::newRow("duplicate attribute in any case") << "attr id" << "Duplicate Attribute\r\nid is already in database";
        QTest::newRow("a parent that is no tag") << "parent blink" << "'BLINK' is not a defined HTML Tag";
        QTest::newRow("a parent that holds nothing") << "parent br" << "'BR' is not a container type Tag";
        QTest::newRow("a tag name with markup") << "tag a<b" << "A tag name 'a<b' cannot hold blanks or any of < > = \" ' / |";
        QTest::newRow("an attribute name with a bar") << "attr x|y" << "An attribute name 'x|y' cannot hold blanks or any of < > = \" ' / |";
    }
    void refusals_leave_the_tables_alone() {
        QFETCH(QString, what);
        QFETCH(QString, message);
        Db d;
        const Table<TagRecord> tags = d.db.tags();
        const Table<AttrRecord> attrs = d.db.attrs();
        const QString name = what.section(u' ', 1);
        QString refusal;
        if (what.startsWith(QLatin1String("tag"))) {
            TagEdit edit = open_tag_edit(d.db, QStringLiteral("HR"));
            TagRecord f = edit.copy;
            f.name = name;
            refusal = save_tag(d.db, edit, f);
        } else if (what.startsWith(QLatin1String("attr"))) {
            AttrEdit edit = open_attr_edit(d.db, QStringLiteral("P"), QStringLiteral("ALIGN"));
            refusal = save_attribute(d.db, edit, name, type_text, {}, false);
        } else {
            QString upper;
            refusal = parent_refusal(d.db, name, &upper);
        }
        QCOMPARE(refusal, message);
        QCOMPARE(d.db.tags(), tags);
        QCOMPARE(d.db.attrs(), attrs);
        QString upper;
        QCOMPARE(parent_refusal(d.db, QStringLiteral("table"), &upper), QString());
        QCOMPARE(upper, QStringLiteral("TABLE"));
    }

    void a_choice_needs_a_comma() {
        QVERIFY(!attribute_acceptable(QStringLiteral("ALIGN"), type_choice, QStringLiteral("left")));
        QVERIFY(attribute_acceptable(QStringLiteral("ALIGN"), type_choice, QStringLiteral("left,right")));
        QVERIFY(!attribute_acceptable(QStringLiteral("  "), type_text, {}));
        QVERIFY(attribute_acceptable(QStringLiteral("X"), type_text, {}));
    }

    // Long texts and long choice lists, and a table emptied of every tag, go to the files and come back.
    void large_and_empty_tables_survive_the_files() {
        Db d;
        TagEdit edit = open_tag_edit(d.db, QStringLiteral("HR"));
        TagRecord f = edit.copy;
        f.description = QString(10000, QLatin1Char('d'));
        QCOMPARE(save_tag(d.db, edit, f), QString());
        QStringList many;
        for (int i = 0; i < 1000; ++i) many << QStringLiteral("v%1").arg(i);
        AttrEdit attr = open_attr_edit(d.db, QStringLiteral("HR"), QString());
        QCOMPARE(save_attribute(d.db, attr, QStringLiteral("SIZE"), type_choice, many.join(u','), false), QString());
        d.db.sort_attrs();
        d.db.sort_tags();
        QVERIFY(d.db.save_database(d.dir.path()).ok);
        TagDatabase again;
        QVERIFY(again.load_database(d.dir.path()));
        QCOMPARE(again.tags(), d.db.tags());
        QCOMPARE(again.attrs(), d.db.attrs());
        while (d.db.tag_count() > 0) {
            delete_tag(d.db, d.db.tags()[1].key);
            d.db.sort_attrs();
            d.db.sort_tags();
        }
        QVERIFY(d.db.save_database(d.dir.path()).ok);
        QVERIFY(again.load_database(d.dir.path()));
        QCOMPARE(again.tag_count(), 0);
        QCOMPARE(test::run_cli({"db", "check", d.dir.path()}).exit_code, 0);
    }

    void deleted_records_are_gone_after_the_sort_and_the_save() {
        Db d;
        QVERIFY(delete_tag(d.db, QStringLiteral("P")));
        QVERIFY(delete_attribute(d.db, QStringLiteral("TD"), QStringLiteral("onclick")));
        QVERIFY(d.db.tags_need_sort && d.db.attrs_need_sort);
        d.db.sort_attrs();
        d.db.sort_tags();
        QCOMPARE(d.db.lookup_tag(QStringLiteral("P")), -1);
        QVERIFY(attributes_of(d.db, QStringLiteral("P")).isEmpty());
        QVERIFY(attributes_of(d.db, QStringLiteral("TD")).isEmpty());
        QVERIFY(d.db.save_database(d.dir.path()).ok);
        TagDatabase again;
        QVERIFY(again.load_database(d.dir.path()));
        QCOMPARE(again.tags(), d.db.tags());
        QCOMPARE(again.attrs(), d.db.attrs());
    }
};

TAMSEL_TEST(DbEditingTest)
#include "db_editing_test.moc"
