// frm_Find offscreen over an editor in memory: the modes show their controls, Replace finds first and
// then replaces, Replace All takes every match and closes, a miss is told once; Find Next without a
// search text opens the dialog.
#include "find/find_dialog.h"
#include "platform/memory_buffer.h"
#include "platform/scripted_dialogs.h"
#include "support/test_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tamsel;

class FindDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modes_show_their_controls() {
        MemoryBuffer buffer(QStringLiteral("abc"));
        ScriptedDialogs dialogs;
        FindState state;
        FindDialog find(FindMode::find, buffer, dialogs, state);
        QVERIFY(find.findChild<QPushButton*>(QStringLiteral("button_1"))->isHidden());
        QVERIFY(!find.findChild<QPushButton*>(QStringLiteral("button_0"))->isEnabled());  // nothing to find yet
        FindDialog replace(FindMode::replace, buffer, dialogs, state);
        QVERIFY(!replace.findChild<QPushButton*>(QStringLiteral("button_2"))->isHidden());
    }

    void replace_finds_first_then_replaces() {
        MemoryBuffer buffer(QStringLiteral("a-x a-x"));
        ScriptedDialogs dialogs;
        FindState state{QStringLiteral("x"), QStringLiteral("yy"), {}, {}};
        FindDialog dialog(FindMode::replace, buffer, dialogs, state);
        auto* replace = dialog.findChild<QPushButton*>(QStringLiteral("button_1"));
        replace->click();  // finds the first
        QCOMPARE(buffer.text(), QStringLiteral("a-x a-x"));
        replace->click();  // replaces it and finds the next
        QCOMPARE(buffer.text(), QStringLiteral("a-yy a-x"));
        QCOMPARE(buffer.selection_start(), 7);
        replace->click();
        replace->click();  // nothing left: told
        QCOMPARE(buffer.text(), QStringLiteral("a-yy a-yy"));
        QCOMPARE(dialogs.messages.last().text, QStringLiteral("'x' not found."));
        QVERIFY(dialog.replaced());
    }

    void replace_all_takes_every_match_or_tells_once() {
        MemoryBuffer buffer(QStringLiteral("aaaa"));
        ScriptedDialogs dialogs;
        FindState state{QStringLiteral("a"), QStringLiteral("b"), {}, {}};
        FindDialog dialog(FindMode::replace, buffer, dialogs, state);
        dialog.findChild<QPushButton*>(QStringLiteral("button_2"))->click();
        QCOMPARE(buffer.text(), QStringLiteral("bbbb"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        FindDialog again(FindMode::replace, buffer, dialogs, state);
        again.findChild<QPushButton*>(QStringLiteral("button_2"))->click();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.beeps, 1);
        QCOMPARE(state.history.first(), QStringLiteral("a"));
    }

    void a_selection_is_what_to_find() {
        MemoryBuffer buffer(QStringLiteral("one two"));
        buffer.set_selection(4, 3);
        ScriptedDialogs dialogs;
        FindState state;
        FindDialog dialog(FindMode::find, buffer, dialogs, state);
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("Text_0"))->currentText(), QStringLiteral("two"));
    }

    void find_next_is_told_when_nothing_is_left() {
        MemoryBuffer buffer(QStringLiteral("x"));
        ScriptedDialogs dialogs;
        FindState state{QStringLiteral("zz"), {}, {}, {}};
        QCOMPARE(find_next_told(buffer, dialogs, state, true), -1);
        QCOMPARE(dialogs.messages.last().text, QStringLiteral("'zz' not found."));
        state.search = QStringLiteral("(");
        state.options.regex = true;
        find_next_told(buffer, dialogs, state, false);
        QVERIFY(dialogs.messages.last().text.startsWith(QStringLiteral("The regular expression cannot be used")));
    }
};

TAMSEL_TEST(FindDialogTest)
#include "find_dialog_test.moc"
