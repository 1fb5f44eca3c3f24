// The database editors offscreen over a small database: the tag editor's OK and refusals, the parent
// check, the attribute editor's Choice rule, and the browser's grouping, search, deletion and print.
#include "platform/scripted_dialogs.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/attr_editor_dialog.h"
#include "tagdb/db_browser_dialog.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"
#include "tagdb/tag_editor_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

struct Db {
    QTemporaryDir dir;
    TagDatabase db;
    ScriptedDialogs dialogs;
    Db() {
        QCOMPARE_EQ(test::run_cli({"db", "build", test::fixture("spec_db"), dir.path()}).exit_code, 0);
        db.load_database(dir.path());
    }
};

}  // namespace

class DbEditorDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tag_editor_saves_or_refuses() {
        Db d;
        TagEditorDialog editor(d.db, d.dialogs, QStringLiteral("P"), false, {});
        auto* name = editor.findChild<QLineEdit*>(QStringLiteral("tag_name"));
        auto* ok = editor.findChild<QPushButton*>(QStringLiteral("Command_0"));
        name->setText(QStringLiteral("  "));
        QVERIFY(!ok->isEnabled());
        name->setText(QStringLiteral("td"));  // taken
        QVERIFY(!editor.ok());
        QCOMPARE(d.dialogs.messages.last().text, QStringLiteral("Duplicate TagName\r\ntd is already in database"));
        name->setText(QStringLiteral("Para"));
        QVERIFY(editor.ok());
        d.db.sort_attrs();
        d.db.sort_tags();
        QCOMPARE(d.db.attribute_records_of(QStringLiteral("PARA")).size(), 4);
    }

    void parents_must_be_container_tags() {
        Db d;
        d.dialogs.prompts = {QStringLiteral("br"), QStringLiteral("table")};
        TagEditorDialog editor(d.db, d.dialogs, QStringLiteral("TD"), false, {});
        auto* add = editor.findChild<QPushButton*>(QStringLiteral("Parent_btn_1"));
        add->click();
        QCOMPARE(d.dialogs.messages.last().text, QStringLiteral("'BR' is not a container type Tag"));
        QCOMPARE(d.dialogs.beeps, 1);
        add->click();
        auto* parents = editor.findChild<QListWidget*>(QStringLiteral("parent_list"));
        QCOMPARE(parents->count(), 2);  // TR from the record, then TABLE
        QCOMPARE(parents->item(1)->text(), QStringLiteral("TABLE"));
        QVERIFY(editor.ok());
        QCOMPARE(d.db.tags()[d.db.lookup_tag(QStringLiteral("TD"))].parents, QStringLiteral("TR,TABLE"));
    }

    void attribute_choices_need_a_comma() {
        Db d;
        AttrEditorDialog editor(d.db, d.dialogs, QStringLiteral("HR"), QString());
        auto* ok = editor.findChild<QPushButton*>(QStringLiteral("Command_0"));
        auto* choices = editor.findChild<QLineEdit*>(QStringLiteral("choice_list"));
        editor.findChild<QLineEdit*>(QStringLiteral("attr_name"))->setText(QStringLiteral("ALIGN"));
        QVERIFY(ok->isEnabled());
        QVERIFY(choices->isHidden());
        editor.findChild<QComboBox*>(QStringLiteral("cb_class"))->setCurrentIndex(type_choice - 1);
        QVERIFY(!choices->isHidden());
        choices->setText(QStringLiteral("left"));
        QVERIFY(!ok->isEnabled());
        choices->setText(QStringLiteral("left,right"));
        QVERIFY(editor.ok());
        d.db.sort_attrs();
        QCOMPARE(d.db.attribute_records_of(QStringLiteral("HR")).size(), 1);
    }

    void browser_groups_finds_deletes_and_prints() {
        Db d;
        int printed = 0;
        DbEditorContext context{d.dialogs, [&printed] { ++printed; }};
        QStringList edited;
        DatabaseBrowserDialog browser(d.db, context, [&edited](const QString& name) { edited << name; });
        auto* grid = browser.findChild<QTableWidget*>(QStringLiteral("TagGrid"));
        QCOMPARE(grid->rowCount(), 12 + d.db.tag_count());
        d.dialogs.prompts = {QStringLiteral(" td ")};
        browser.findChild<QPushButton*>(QStringLiteral("button_4"))->click();
        QCOMPARE(browser.current_tag(), QStringLiteral("TD"));
        browser.findChild<QPushButton*>(QStringLiteral("button_0"))->click();  // Edit
        QCOMPARE(edited, QStringList{QStringLiteral("TD")});
        QVERIFY(d.db.db_changed);
        QCOMPARE(browser.current_tag(), QString());  // the refresh leaves no row current
        d.dialogs.prompts = {QStringLiteral("TD")};
        browser.findChild<QPushButton*>(QStringLiteral("button_4"))->click();
        d.dialogs.answers = {Answer::Ok};
        browser.findChild<QPushButton*>(QStringLiteral("button_2"))->click();  // Delete
        QCOMPARE(d.db.lookup_tag(QStringLiteral("TD")), -1);
        QVERIFY(d.db.attribute_records_of(QStringLiteral("TD")).isEmpty());
        QCOMPARE(grid->rowCount(), 12 + d.db.tag_count());
        d.dialogs.prompts = {QStringLiteral("blink")};
        browser.findChild<QPushButton*>(QStringLiteral("button_4"))->click();
        QCOMPARE(d.dialogs.beeps, 1);  // not found
        browser.findChild<QPushButton*>(QStringLiteral("button_5"))->click();
        QCOMPARE(printed, 1);
    }
};

TAMSEL_TEST(DbEditorDialogTest)
#include "db_editor_dialog_test.moc"
