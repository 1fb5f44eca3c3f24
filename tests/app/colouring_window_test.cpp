// Syntax colouring in the editor: the runs land on the right characters, the commands switch it, Escape
// stops a long run and the progress panel comes and goes with it.
#include "app/document_colouring.h"
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "colour/script_colouring.h"
#include "support/test_registry.h"

#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace tamsel;
using test::AppFixture;

namespace {

QByteArray large_page(int rows) {
    QByteArray page = "<HTML><BODY>\r\n";
    for (int i = 0; i < rows; ++i) page += "<TR><TD ALIGN=center WIDTH=\"50%\">caf\xC3\xA9 " + QByteArray::number(i) + "</TD></TR>\r\n";
    return page + "</BODY></HTML>\r\n";
}

}  // namespace

class ColouringWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opening_colours_the_page_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("attributes and values") << QByteArray("<A HREF=x.htm TARGET=main>link</A>");
        QTest::newRow("comment, server block, script") << QByteArray("<!-- a > b --><% x %><SCRIPT>if (a<b) x='<B>';</SCRIPT><B>");
        QTest::newRow("characters beyond one byte and line ends")
            << QByteArray("caf\xC3\xA9 \xF0\x9F\x98\x80\r\n<IMG ALT=\"a \xE2\x82\xAC\" SRC=x>\r\n<BR>");
        QTest::newRow("the sample site's front page") << test::read_bytes(test::source_dir() + QStringLiteral("/examples/site/index.htm"));
    }
    void opening_colours_the_page() {
        QFETCH(QByteArray, bytes);
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("page.htm"), bytes), false));
        QCOMPARE(w.editor().colour_runs(), test::coloured_runs(QString::fromUtf8(bytes), f.ws->config));
        QVERIFY(!f.ws->documents.active()->changed);
    }

    // An edit is coloured once typing pauses, as colouring the whole page would colour it.
    void edits_are_coloured_when_typing_pauses_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("at");          // where the caret goes
        QTest::addColumn<int>("remove");      // characters selected there and replaced
        QTest::addColumn<QString>("typed");
        QTest::newRow("a tag typed into text") << QByteArray("<P>one\ntwo</P>\n") << 7 << 0 << "a <B>bold</B> ";
        QTest::newRow("a tag broken: its > deleted") << QByteArray("<P>one <B>x</B>\n<I>y</I>") << 9 << 1 << "";
        QTest::newRow("an attribute typed inside a tag") << QByteArray("<P>\n<A>x</A>") << 6 << 0 << " HREF=\"y.htm\"";
        QTest::newRow("a comment opened") << QByteArray("<P>a</P>\n<B>b</B>") << 8 << 0 << "<!-- ";
    }
    void edits_are_coloured_when_typing_pauses() {
        QFETCH(QByteArray, page);
        QFETCH(int, at);
        QFETCH(int, remove);
        QFETCH(QString, typed);
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("page.htm"), page), false));
        EditTextWidget& edit = w.editor();
        edit.set_selection(at, remove);
        if (typed.isEmpty()) QTest::keyClick(&edit, Qt::Key_Delete);
        else QTest::keyClicks(&edit, typed);
        QTRY_COMPARE(edit.colour_runs(), test::coloured_runs(edit.text(), f.ws->config));
        edit.undo();
        QTRY_COMPARE(edit.colour_runs(), test::coloured_runs(edit.text(), f.ws->config));
    }

    // Scripts and stylesheets are coloured by their own language, when opened and again as typing pauses.
    void scripts_are_coloured_by_their_language_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("typed");  // at the start: it opens a comment over the first line or more
        QTest::newRow("JavaScript") << "a.js" << QByteArray("var s = '<B>'; // note\r\nif (a < b) f(1);") << "/*";
        QTest::newRow("VBScript") << "a.vbs" << QByteArray("Dim s\r\ns = \"<B>\" ' note") << "' ";
        QTest::newRow("CSS") << "a.css" << QByteArray("a:hover { color: red; }\r\n/* x */") << "/*";
    }
    void scripts_are_coloured_by_their_language() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(name, bytes), false));
        EditTextWidget& edit = w.editor();
        const ScriptLanguage language = *script_language_of(f.ws->documents.active_type());
        const auto expected = [&] { return colour_script(edit.text(), language, colour_scheme(f.ws->config)); };
        QCOMPARE(edit.colour_runs(), expected());
        edit.set_selection(0, 0);
        QTest::keyClicks(&edit, typed);
        QTRY_COMPARE(edit.colour_runs(), expected());
        QCOMPARE(edit.colour_runs().first().colour, colour_scheme(f.ws->config).com);
        QVERIFY(edit.colour_runs().first().length >= bytes.indexOf('\r') + typed.size());
        edit.undo();
        QTRY_COMPARE(edit.colour_runs(), expected());
    }

    void an_undone_cleanup_is_coloured_again() {
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("page.htm"), "<P>a <B>b</B></P><P>c</P>"), false));
        EditTextWidget& edit = w.editor();
        w.dispatch(QStringLiteral("id_Cleanup_HTML_Code"));
        QVERIFY(edit.text().contains(QLatin1Char('\n')));
        edit.undo();
        QCOMPARE(edit.text(), QStringLiteral("<P>a <B>b</B></P><P>c</P>"));
        QTRY_COMPARE(edit.colour_runs(), test::coloured_runs(edit.text(), f.ws->config));
    }

    void remove_and_update_switch_the_colouring() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QByteArray page = "<B>x</B>";
        w.documents().open_document(f.doc(QStringLiteral("a.htm"), page), false);
        const QList<ColourRun> coloured = w.editor().colour_runs();
        w.dispatch(QStringLiteral("ID_RemoveSyntaxHighlighting"));
        QCOMPARE(w.editor().colour_runs(), (QList<ColourRun>{{0, 8, 0}}));
        // With colouring off, a page opened now stays plain.
        w.documents().open_document(f.doc(QStringLiteral("b.htm"), page), false);
        QCOMPARE(w.editor().colour_runs(), (QList<ColourRun>{{0, 8, 0}}));
        w.dispatch(QStringLiteral("ID_UpdateSyntaxHighlighting"));
        QCOMPARE(w.editor().colour_runs(), coloured);
        QVERIFY(f.ws->window.highlight_on);
        QVERIFY(!f.ws->documents.active()->changed);
    }

    void a_large_page_is_coloured_to_its_end() {
        AppFixture f;
        f.set("highlight_mode", QStringLiteral("0"));
        MasterWindow& w = f.start();
        const QByteArray page = large_page(20000);
        w.documents().open_document(f.doc(QStringLiteral("big.htm"), page), false);
        w.editor().set_selection(1234, 5);
        w.dispatch(QStringLiteral("ID_UpdateSyntaxHighlighting"));
        QCOMPARE(w.editor().colour_runs(), test::coloured_runs(QString::fromUtf8(page), f.ws->config));
        // Batch mode put the selection back.
        QCOMPARE(w.editor().selection_start(), 1234);
        QCOMPARE(w.editor().selection_length(), 5);
    }

    void escape_stops_a_run_and_the_panel_comes_and_goes() {
        AppFixture f;
        f.set("highlight_mode", QStringLiteral("0"));
        MasterWindow& w = f.start();
        const QByteArray page = large_page(40000);
        w.documents().open_document(f.doc(QStringLiteral("big.htm"), page), false);
        w.documents().open_document(f.doc(QStringLiteral("other.htm"), "x"), false);
        w.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(0);
        bool panel_shown = false, tabs_held = false, editor_frozen = false;
        // The first chance for events comes as the editor freezes; the check waits for the next one.
        const auto during_run = [&] {
            panel_shown = w.findChild<QLabel*>(QStringLiteral("Label1"))->text() == QLatin1String("Update Syntax Highlight") &&
                          w.findChild<QLabel*>(QStringLiteral("Label1"))->isVisible();
            tabs_held = f.ws->window.tabs_updating;
            editor_frozen = !w.editor().isEnabled();
            w.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(1);  // ignored meanwhile
            w.session().request_stop();
        };
        QTimer::singleShot(0, &w, [&] {
            w.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(1);  // ignored already
            QTimer::singleShot(0, &w, during_run);
        });
        f.ws->window.highlight_on = true;
        QVERIFY(!w.colouring().colorize(1, -1));
        QVERIFY(panel_shown && tabs_held && editor_frozen);
        const QList<ColourRun> runs = w.editor().colour_runs();
        QVERIFY(runs.first().colour != 0);
        QCOMPARE(runs.last().colour, static_cast<ColourValue>(0));  // the end was not reached
        QVERIFY(runs.last().length > 1000);
        QVERIFY(!f.ws->window.tabs_updating);
        QVERIFY(w.editor().isEnabled());
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("Label1"))->isVisible());
        QCOMPARE(f.ws->documents.active_index(), 1);
        w.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(1);
        QCOMPARE(f.ws->documents.active_index(), 2);
    }
};

TAMSEL_TEST(ColouringWindowTest)
#include "colouring_window_test.moc"
