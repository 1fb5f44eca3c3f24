// The Search menu's ways about the active document, Replace All's note and Print, run as the menu runs
// them.
#include "find/find_form.h"
#include "find/function_list_form.h"
#include "print/print_form.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

struct NavigationFixture : test::SessionFixture {
    ScriptedFunctionListForm functions;
    ScriptedPrintForm printer;
    ScriptedFindForm finder;

    explicit NavigationFixture(const QString& name = QStringLiteral("page.htm"), const QByteArray& text = "") {
        forms.use<FunctionListForm>(functions);
        forms.use<PrintForm>(printer);
        forms.use<FindForm>(finder);
        start();
        QVERIFY(files().open_document(doc(name, text), false));
    }
    int caret_line() { return editor().line_of(editor().selection_start()) + 1; }
    QStringList messages() const {
        QStringList texts;
        for (const MessageRequest& m : dialogs.messages) texts.append(m.text);
        return texts;
    }
};

const QByteArray scripted_page = "<html>\r\n<script>\r\nfunction f() {}\r\nSub g\r\nfunction f(a) {}\r\n</script>\r\n</html>";

}  // namespace

class NavigationCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_function_finder_selects_the_first_of_the_picked_name() {
        NavigationFixture f(QStringLiteral("page.htm"), scripted_page);
        f.functions.answer = QStringLiteral("f");
        f.dispatch(QStringLiteral("ID_FunctionFinder"));
        QCOMPARE(f.functions.shown, (QList<QStringList>{{"f", "f", "g"}}));
        QCOMPARE(f.editor().selected_text(), QStringLiteral("function f() {}"));
        // Every declaration is painted blue.
        const QList<ColourRun> runs = f.editor().colour_runs();
        QVERIFY(std::any_of(runs.begin(), runs.end(), [&](const ColourRun& r) {
            return r.colour == 16711680 && f.editor().text().mid(r.start, r.length) == QStringLiteral("Sub g");
        }));
    }

    void the_function_finder_says_when_there_is_nothing() {
        NavigationFixture f(QStringLiteral("page.htm"), "<p>function not_in_a_script()</p>");
        f.dispatch(QStringLiteral("ID_FunctionFinder"));
        QVERIFY(f.functions.shown.isEmpty());
        QCOMPARE(f.messages(), QStringList{QStringLiteral("No Functions or Subroutines Found")});
    }

    void goto_line_asks_for_a_number_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("line");
        QTest::newRow("a line") << "5" << 5;
        QTest::newRow("beyond the end") << "500" << 7;
        QTest::newRow("zero does nothing") << "0" << 2;
        QTest::newRow("a word does nothing") << "five" << 2;
    }
    void goto_line_asks_for_a_number() {
        QFETCH(QString, answer);
        QFETCH(int, line);
        NavigationFixture f(QStringLiteral("page.htm"), scripted_page);
        f.editor().set_selection(f.editor().line_start(1), 0);
        f.dialogs.prompts.push_back(answer);
        f.dispatch(QStringLiteral("id_Goto_Line"));
        QCOMPARE(f.dialogs.prompts_shown, QStringList{QStringLiteral("Enter Line Number to Go To")});
        QCOMPARE(f.caret_line(), line);
    }

    void bookmarks_follow_the_caret_and_light_their_commands() {
        NavigationFixture f(QStringLiteral("page.htm"), scripted_page);
        const auto mark_line = [&](int line) {
            f.editor().set_selection(f.editor().line_start(line - 1), 0);
            f.dispatch(QStringLiteral("id_BookMark_Add"));
        };
        mark_line(6);
        QVERIFY(!f.ws->commands.enabled(QStringLiteral("id_BookMark_Next")));
        QVERIFY(f.ws->commands.enabled(QStringLiteral("id_BookMark_Clear")));
        mark_line(2);
        QVERIFY(f.ws->commands.enabled(QStringLiteral("id_BookMark_Next")));
        QVERIFY(f.view.gutter_refreshes >= 2);
        f.dispatch(QStringLiteral("id_BookMark_Next"));  // from line 2
        QCOMPARE(f.caret_line(), 6);
        f.dispatch(QStringLiteral("id_BookMark_Next"));  // wraps round
        QCOMPARE(f.caret_line(), 2);
        f.dispatch(QStringLiteral("id_BookMark_Prev"));
        QCOMPARE(f.caret_line(), 6);
        f.dispatch(QStringLiteral("id_BookMark_Clear"));
        QCOMPARE(f.ws->documents.active()->bookmarks.count, 0);
        QVERIFY(!f.ws->commands.enabled(QStringLiteral("id_BookMark_Clear")));
    }

    void match_brace_selects_the_block_or_says_there_is_none() {
        NavigationFixture f(QStringLiteral("code.js"), "if (a) { b(); { c(); } { d(); } } {");
        QVERIFY(f.ws->commands.enabled(QStringLiteral("ID_MatchBrace")));
        f.editor().set_selection(7, 0);
        f.dispatch(QStringLiteral("ID_MatchBrace"));
        QCOMPARE(f.editor().selected_text(), QStringLiteral("{ b(); { c(); } { d(); } }"));
        f.editor().set_selection(f.editor().length() - 1, 0);
        f.dispatch(QStringLiteral("ID_MatchBrace"));
        QCOMPARE(f.messages(), QStringList{QStringLiteral("There is NO matching ")});
        QCOMPARE(f.dialogs.messages.last().buttons, Buttons::OkCancel);
        f.editor().set_selection(0, 0);
        f.dispatch(QStringLiteral("ID_MatchBrace"));
        QCOMPARE(f.dialogs.beeps, 1);
    }

    void replace_all_tells_its_count_in_the_status_bar() {
        NavigationFixture f(QStringLiteral("page.htm"), "aaaa");
        f.finder.search = QStringLiteral("a");
        f.finder.replace_with = QStringLiteral("b");
        f.dispatch(QStringLiteral("ID_Replace"));
        QCOMPARE(f.editor().text(), QStringLiteral("bbbb"));
        QCOMPARE(f.view.statuses, QStringList{QStringLiteral("4 occurrences replaced")});
        QVERIFY(f.changed());
    }

    void print_hands_over_the_text_and_the_path() {
        NavigationFixture f(QStringLiteral("page.htm"), "<p>x</p>");
        f.dispatch(QStringLiteral("id_Print"));
        QCOMPARE(f.printer.jobs.size(), 1);
        QCOMPARE(f.printer.jobs[0].text, QStringLiteral("<p>x</p>"));
        QVERIFY(f.printer.jobs[0].title.endsWith(QStringLiteral("page.htm")));
    }
};

TAMSEL_TEST(NavigationCommandTest)
#include "navigation_command_test.moc"
