// "HTML Tag Database" as a command: what the browser changed is saved when it closes, and the validator
// sees it at once and after a restart; a save that fails is told and tried again at the next close.
#include "session_fixture.h"
#include "support/test_registry.h"
#include "tagdb/db_editing.h"
#include "tagdb/db_editor_forms.h"
#include "tagdb/tag_database.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tamsel;

namespace {

// Deletes one tag in the browser, or only looks.
class ScriptedDatabaseEditor : public DatabaseEditorForm {
public:
    QString delete_key;
    int browsed = 0;
    void browse(TagDatabase& db, const DbEditorContext&, QString&) override {
        ++browsed;
        if (!delete_key.isEmpty()) delete_tag(db, delete_key);
    }
    bool edit_css_tag(TagDatabase&, const DbEditorContext&, const QString&) override { return false; }
};

}  // namespace

class DbEditorCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closing_the_browser_saves_the_change() {
        test::SessionFixture f;
        ScriptedDatabaseEditor editor;
        f.forms.use<DatabaseEditorForm>(editor);
        f.start();
        editor.delete_key = QStringLiteral("BLINK");
        QVERIFY(f.ws->db.lookup_tag(QStringLiteral("BLINK")) > 0);
        f.dispatch(QStringLiteral("ID_HTMLTagDatabase"));
        QCOMPARE(f.ws->db.lookup_tag(QStringLiteral("BLINK")), -1);  // at once
        TagDatabase restarted;
        QVERIFY(restarted.load_database(f.ws->paths.user_data));
        QCOMPARE(restarted.lookup_tag(QStringLiteral("BLINK")), -1);  // and after a restart
        QVERIFY(restarted.attribute_records_of(QStringLiteral("BLINK")).isEmpty());
    }

    void a_failed_save_is_told_and_tried_again() {
        test::SessionFixture f;
        ScriptedDatabaseEditor editor;
        f.forms.use<DatabaseEditorForm>(editor);
        f.start();
        // A folder where the tag table's file should be: the write cannot replace it.
        const QString tags_file = f.ws->paths.user_data + QStringLiteral("/HTML_Tags.DB");
        QVERIFY(QFile::remove(tags_file) && QDir().mkdir(tags_file));
        editor.delete_key = QStringLiteral("BLINK");
        f.dispatch(QStringLiteral("ID_HTMLTagDatabase"));
        QVERIFY(f.dialogs.messages.last().text.startsWith(QStringLiteral("The tag database could not be saved")));
        QVERIFY(f.ws->db.db_changed);  // kept for the next close
        QVERIFY(QDir().rmdir(tags_file));
        editor.delete_key.clear();  // the next visit changes nothing, and still saves what waits
        f.dispatch(QStringLiteral("ID_HTMLTagDatabase"));
        QVERIFY(!f.ws->db.db_changed);
        TagDatabase restarted;
        QVERIFY(restarted.load_database(f.ws->paths.user_data));
        QCOMPARE(restarted.lookup_tag(QStringLiteral("BLINK")), -1);
    }
};

TAMSEL_TEST(DbEditorCommandTest)
#include "db_editor_command_test.moc"
