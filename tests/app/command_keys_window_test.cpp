// The keys of the window: each command's keys on its menu item, no key bound twice, and the keys that go
// from one document to the next.
#include "app/command_bars_widget.h"
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QAction>
#include <QShortcut>
#include <QTabBar>
#include <QTest>

using namespace tamsel;
using test::AppFixture;

namespace {

// Every key the window answers to, with who answers: the commands' actions and the window's own shortcuts.
QMultiHash<QKeySequence, QString> bound_keys(MasterWindow& w) {
    QMultiHash<QKeySequence, QString> keys;
    for (QAction* act : w.findChildren<QAction*>())
        for (const QKeySequence& key : act->shortcuts()) keys.insert(key, act->objectName());
    for (QShortcut* shortcut : w.findChildren<QShortcut*>()) keys.insert(shortcut->key(), QStringLiteral("shortcut"));
    return keys;
}

}  // namespace

class CommandKeysWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menu_items_carry_their_keys_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("save") << "id_File_Save" << QKeySequence(QStringLiteral("Ctrl+S"));
        QTest::newRow("open") << "id_File_Open" << QKeySequence(QStringLiteral("Ctrl+O"));
        QTest::newRow("close") << "ID_File_Close" << QKeySequence(QStringLiteral("Ctrl+W"));
        QTest::newRow("quit") << "id_Menu_FileExit" << QKeySequence(QStringLiteral("Ctrl+Q"));
        QTest::newRow("find") << "id_Find" << QKeySequence(QStringLiteral("Ctrl+F"));
        QTest::newRow("go to line") << "id_Goto_Line" << QKeySequence(QStringLiteral("Ctrl+G"));
        QTest::newRow("bookmark") << "id_BookMark_Add" << QKeySequence(QStringLiteral("Ctrl+F2"));
        QTest::newRow("split preview") << "ID_PreviewinTamselWindow" << QKeySequence(QStringLiteral("F5"));
        QTest::newRow("cleanup") << "id_Cleanup_HTML_Code" << QKeySequence(QStringLiteral("F7"));
        QTest::newRow("update colouring") << "ID_UpdateSyntaxHighlighting" << QKeySequence(QStringLiteral("F8"));
    }
    void menu_items_carry_their_keys() {
        QFETCH(QString, id);
        QFETCH(QKeySequence, key);
        AppFixture f;
        MasterWindow& w = f.start();
        QAction* item = w.findChild<QAction*>(id);
        QVERIFY(item);
        QVERIFY2(item->shortcuts().contains(key), qPrintable(item->shortcut().toString()));
        // The tool-bar button of the command has none: the key would then be ambiguous and do nothing.
        if (QAction* tool = w.findChild<QAction*>(id + QStringLiteral("_tool"))) QVERIFY(tool->shortcuts().isEmpty());
    }

    void no_key_is_bound_twice() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QMultiHash<QKeySequence, QString> keys = bound_keys(w);
        for (const QKeySequence& key : keys.uniqueKeys()) {
            QStringList owners = keys.values(key);
            owners.removeDuplicates();
            QVERIFY2(owners.size() == 1, qPrintable(key.toString() + QStringLiteral(": ") + owners.join(QStringLiteral(", "))));
        }
    }

    void tab_keys_go_round_the_documents() {
        AppFixture f;
        MasterWindow& w = f.start();
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) w.documents().open_document(f.doc(QLatin1String(name), name), false);
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("project_strip"));
        tabs->setCurrentIndex(0);
        w.editor().setFocus();
        struct Step {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int tab;
        };
        const Step steps[] = {{Qt::Key_Tab, Qt::ControlModifier, 1},        {Qt::Key_PageDown, Qt::ControlModifier, 2},
                              {Qt::Key_Tab, Qt::ControlModifier, 0},        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
                              {Qt::Key_PageUp, Qt::ControlModifier, 1}};
        for (const Step& step : steps) {
            QTest::keyClick(&w.editor(), step.key, step.modifiers);
            QCOMPARE(tabs->currentIndex(), step.tab);
            QCOMPARE(w.editor().text(), QString::fromLatin1("abc").mid(step.tab, 1) + QStringLiteral(".htm"));
        }
    }
};

TAMSEL_TEST(CommandKeysWindowTest)
#include "command_keys_window_test.moc"
