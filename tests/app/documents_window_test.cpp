// Documents in the window's editor: each tab keeps its own QScintilla document, so text, undo and redo,
// caret, scroll position and colours survive any number of switches.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>

using namespace tamsel;
using test::AppFixture;

class DocumentsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A page named when the program starts takes keys at once, without a click into it.
    void a_page_opened_at_start_takes_keys() {
        AppFixture f;
        MasterWindow& w = f.start();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.open_paths({f.doc(QStringLiteral("a.htm"), "<P>a</P>")});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&w.editor()));
        QTest::keyClicks(QApplication::focusWidget(), "x");
        QCOMPARE(w.editor().text(), QStringLiteral("x<P>a</P>"));
    }

    void tabs_keep_undo_redo_caret_and_colours() {
        AppFixture f;
        MasterWindow& w = f.start();
        QString long_page;
        for (int i = 0; i < 300; ++i) long_page += QStringLiteral("<P>line %1</P>\n").arg(i);
        const QString a = f.doc(QStringLiteral("a.htm"), long_page.toUtf8());
        const QString b = f.doc(QStringLiteral("b.htm"), "<I>b</I>");
        QVERIFY(w.documents().open_document(a, false));
        EditTextWidget& edit = w.editor();
        const QList<ColourRun> coloured = edit.colour_runs();
        edit.set_selection(edit.line_start(200), 0);
        QTest::keyClicks(&edit, "one");
        QTest::keyClicks(&edit, " two");
        edit.scroll_lines(150 - edit.first_visible_line());
        const int top = edit.first_visible_line();
        QVERIFY(w.documents().open_document(b, false));
        QTest::keyClicks(&edit, "x");
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("project_strip"));
        for (int round = 0; round < 4; ++round) {
            tabs->setCurrentIndex(0);
            QVERIFY(edit.text().contains(QStringLiteral("one two<P>line 200")));
            QCOMPARE(edit.first_visible_line(), top);
            QCOMPARE(edit.selection_start(), edit.line_start(200) + 7);
            QCOMPARE(edit.colour_runs().first(), coloured.first());
            tabs->setCurrentIndex(1);
            QCOMPARE(edit.text(), QStringLiteral("x<I>b</I>"));
        }
        tabs->setCurrentIndex(0);
        QVERIFY(edit.can_undo());
        while (edit.can_undo()) edit.undo();
        QCOMPARE(edit.text(), long_page);  // undo stops at the loaded text
        tabs->setCurrentIndex(1);
        tabs->setCurrentIndex(0);
        edit.redo();
        QVERIFY(edit.text().contains(QStringLiteral("one")));
        QVERIFY(f.ws->documents.active()->changed);
        tabs->setCurrentIndex(1);
        QCOMPARE(edit.text(), QStringLiteral("x<I>b</I>"));
        edit.undo();
        QCOMPARE(edit.text(), QStringLiteral("<I>b</I>"));
        QVERIFY(!edit.can_undo());  // never into the other document
        QCOMPARE(test::read_bytes(a), long_page.toUtf8());
    }

    // The "*" before the tab's name and in the caption follows the save point: typing sets it, undoing
    // back to the saved text clears it, redoing sets it again, saving clears it.
    void the_changed_mark_follows_the_save_point() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "<P>a</P>");
        QVERIFY(w.documents().open_document(a, false));
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("project_strip"));
        EditTextWidget& edit = w.editor();
        const auto marked = [&] {
            const bool tab = tabs->tabText(tabs->currentIndex()).startsWith(QLatin1Char('*'));
            const bool caption = w.windowTitle().contains(QLatin1Char('*'));
            const bool flag = f.ws->documents.active()->changed;
            return (tab == caption && caption == flag) ? int(flag) : -1;  // -1: the three disagree
        };
        QCOMPARE(marked(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("A.HTM"));
        edit.set_selection(edit.length(), 0);
        QTest::keyClicks(&edit, "x");
        QCOMPARE(marked(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("*A.HTM"));
        edit.undo();
        QCOMPARE(marked(), 0);
        edit.redo();
        QCOMPARE(marked(), 1);
        w.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(marked(), 0);
        QCOMPARE(test::read_bytes(a), QByteArray("<P>a</P>x"));
        QTest::keyClicks(&edit, "y");
        QCOMPARE(marked(), 1);
        // Showing another document keeps this one's mark, and shows the other's own.
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("b.htm"), "b"), false));
        QCOMPARE(marked(), 0);
        QVERIFY(f.ws->documents.at(1).changed);
        QCOMPARE(tabs->tabText(0), QStringLiteral("*A.HTM"));
        tabs->setCurrentIndex(0);
        QCOMPARE(marked(), 1);
        edit.undo();  // back to the text as saved, not as loaded
        QCOMPARE(marked(), 0);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    // The tab's close button and a middle click close that tab's document, asking first when it changed.
    void a_tab_closes_by_its_button_or_a_middle_click() {
        AppFixture f;
        MasterWindow& w = f.start();
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) w.documents().open_document(f.doc(QLatin1String(name), name), false);
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("project_strip"));
        tabs->setCurrentIndex(0);
        QWidget* close_b = tabs->tabButton(1, QTabBar::RightSide);
        QVERIFY(close_b);
        QTest::mouseClick(close_b, Qt::LeftButton);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(1), QStringLiteral("C.HTM"));
        w.editor().replace_selection(QStringLiteral("edit "));  // a.htm changed: closing asks, Cancel keeps it
        f.dialogs.answers = {Answer::Cancel};
        QTest::mouseClick(tabs, Qt::MiddleButton, {}, tabs->tabRect(0).center());
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QTest::mouseClick(tabs, Qt::MiddleButton, {}, tabs->tabRect(1).center());
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(w.editor().text(), QStringLiteral("edit a.htm"));
    }

    void closing_a_tab_shows_the_first_and_the_caption_follows() {
        AppFixture f;
        MasterWindow& w = f.start();
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) w.documents().open_document(f.doc(QLatin1String(name), name), false);
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("project_strip"));
        // Showing another document's text is no edit of it.
        for (int i : {0, 2, 1, 2}) tabs->setCurrentIndex(i);
        for (int i = 1; i <= 3; ++i) QVERIFY(!f.ws->documents.at(i).changed);
        w.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(w.editor().text(), QStringLiteral("a.htm"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tamsel2001 : ") + f.docs.filePath(QStringLiteral("a.htm")).toUpper());
        w.dispatch(QStringLiteral("ID_File_Close"));
        w.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(w.editor().text(), QString());
        QCOMPARE(w.windowTitle(), QStringLiteral("Tamsel2001"));
        QVERIFY(!tabs->isVisible());
        QVERIFY(f.dialogs.messages.isEmpty());  // nothing was changed, so nothing was asked
    }

    void a_nul_character_stays_in_the_editor() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QByteArray bytes("<P>a\0b</P>", 10);
        f.dialogs.answers = {Answer::Yes};  // open it although it holds a NUL byte
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("nul.htm"), bytes), false));
        QCOMPARE(w.editor().text(), QString::fromLatin1(bytes));
    }

    void coming_back_to_the_window_asks_about_a_file_changed_on_disk() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "old");
        QVERIFY(w.documents().open_document(page, false));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(test::rewrite_later(page, "new text"));
        f.dialogs.answers = {Answer::Yes};
        QEvent back(QEvent::ActivationChange);
        QApplication::sendEvent(&w, &back);
        QTRY_COMPARE(w.editor().text(), QStringLiteral("new text"));
        QCOMPARE(f.dialogs.messages.size(), 1);
    }
};

TAMSEL_TEST(DocumentsWindowTest)
#include "documents_window_test.moc"
