// Which commands are enabled in which state, from snapshots of the state.
#include "app/command_rules.h"
#include "session_fixture.h"
#include "app/window_state.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

// The commands the rows look at, by a short name.
const QList<std::pair<QString, QString>> probed = {
    {u"Save"_qs, u"id_File_Save"_qs},           {u"Find"_qs, u"id_Find"_qs},
    {u"Print"_qs, u"id_Print"_qs},              {u"Cut"_qs, u"id_Edit_Cut"_qs},
    {u"Paste"_qs, u"id_Edit_Paste"_qs},         {u"Brace"_qs, u"ID_MatchBrace"_qs},
    {u"Table"_qs, u"ID_TableWizard"_qs},        {u"Cleanup"_qs, u"id_Cleanup_HTML_Code"_qs},
    {u"Finder"_qs, u"ID_FunctionFinder"_qs},    {u"ClearMarks"_qs, u"id_BookMark_Clear"_qs},
    {u"NextMark"_qs, u"id_BookMark_Next"_qs},   {u"FileMenu"_qs, u"ID_TopMenu_File"_qs},
    {u"ViewMenu"_qs, u"ID_TopMenu_View"_qs},    {u"Source"_qs, u"ID_ViewSource"_qs},
    {u"Browser1"_qs, u"ID_ViewinInternetExplorer"_qs}, {u"Close"_qs, u"ID_File_Close"_qs},
};

CommandSnapshot snapshot(int type, bool text, bool selection = false) {
    CommandSnapshot s;
    s.doc_active = true;
    s.active_type = type;
    s.has_text = text;
    s.has_selection = selection;
    return s;
}

}  // namespace

Q_DECLARE_METATYPE(CommandSnapshot)

class CommandRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commands_follow_the_state_data() {
        QTest::addColumn<CommandSnapshot>("state");
        QTest::addColumn<QString>("enabled");
        const QString html_text = u"Save Find Print Table Cleanup Finder FileMenu ViewMenu Source Close"_qs;
        QTest::newRow("no document") << CommandSnapshot{} << "Table FileMenu";
        QTest::newRow("empty editor") << snapshot(1, false) << "Table FileMenu ViewMenu Close";
        QTest::newRow("one character typed") << snapshot(1, true) << html_text;
        QTest::newRow("CSS document with text") << snapshot(4, true) << "Save Find Print Cleanup Finder FileMenu ViewMenu Close";
        QTest::newRow("JavaScript document with text") << snapshot(3, true)
                                                       << "Save Find Print Brace Cleanup Finder FileMenu ViewMenu Close";
        QTest::newRow("text document") << snapshot(5, true) << "Save Find Print FileMenu ViewMenu Close";
        QTest::newRow("a selection counts as text") << snapshot(5, false, true) << "Save Find Print Cut FileMenu ViewMenu Close";
        CommandSnapshot selected = snapshot(1, true, true);
        selected.clipboard_has_text = true;
        QTest::newRow("selection and clipboard") << selected << "Cut Paste " + html_text;
        CommandSnapshot marked = snapshot(1, true);
        marked.bookmark_count = 1;
        QTest::newRow("one bookmark") << marked << "ClearMarks " + html_text;
        marked.bookmark_count = 2;
        QTest::newRow("two bookmarks") << marked << "ClearMarks NextMark " + html_text;
        CommandSnapshot full = selected;
        full.full_preview_on = true;
        QTest::newRow("full-screen preview") << full << "Table ViewMenu Source";
        CommandSnapshot ie = snapshot(1, true);
        ie.use_ie = true;
        QTest::newRow("browser 1 configured") << ie << "Browser1 " + html_text;
        ie.active_type = 3;
        QTest::newRow("browser 1 with a script") << ie << "Save Find Print Brace Cleanup Finder FileMenu ViewMenu Close";
    }
    void commands_follow_the_state() {
        QFETCH(CommandSnapshot, state);
        QFETCH(QString, enabled);
        QStringList actual;
        for (const auto& [name, id] : probed)
            if (rule_holds(find_command(id)->rule, state)) actual << name;
        QStringList expected = enabled.split(u' ');
        actual.sort();
        expected.sort();
        QCOMPARE(actual, expected);
    }

    void only_commands_with_a_handler_are_enabled() {
        test::SessionFixture f;
        f.start();
        CommandStates states;
        refresh_command_states(snapshot(1, true, true), f.session->handlers(), states);
        QVERIFY(states.enabled(QStringLiteral("id_Edit_Cut")));
        QVERIFY(states.enabled(QStringLiteral("id_Cleanup_HTML_Code")));  // registered by its own feature
        // A command whose rule holds stays off until some feature registers its handler.
        CommandRegistry only_cut;
        only_cut.add(QStringLiteral("id_Edit_Cut"), [] {});
        CommandStates bare;
        refresh_command_states(snapshot(1, true, true), only_cut, bare);
        QVERIFY(bare.enabled(QStringLiteral("id_Edit_Cut")));
        QVERIFY(!bare.enabled(QStringLiteral("id_Edit_Copy")));
        QVERIFY(states.enabled(QStringLiteral("ID_SetDefaultLang")));  // a submenu opens for its items' sake
        QVERIFY(states.enabled(QStringLiteral("id_selectall")));  // looked up without regard to case
        // A handler registered under an id the table does not have could never be chosen.
        for (const QString& id : f.session->handlers().ids()) QVERIFY2(find_command(id), qPrintable(id));
    }
};

TAMSEL_TEST(CommandRulesTest)
#include "command_rules_test.moc"
