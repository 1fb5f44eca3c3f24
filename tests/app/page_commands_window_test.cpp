// The page commands from the window's menus: each changes the active document as one undo step, marks
// it changed, and writes the document's own line ends.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QAction>
#include <QTest>

using namespace tamsel;
using test::AppFixture;

class PageCommandsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commands_change_the_page_as_one_step_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("file");  // what the file dialog answers
        QTest::addColumn<QString>("inserted");
        QTest::newRow("default language into an LF page")
            << "ID_SetJavaScript" << QByteArray("<p>x</p>\n") << ""
            << "<HTML>\n<HEAD><META http-equiv=\"Content-Script-Type\" content='text/JavaScript'>\n\n</HEAD>";
        QTest::newRow("style sheet link relative to the page")
            << "id_InsertStyleSheet" << QByteArray("<html><head></head><body></body></html>") << "css/site.css"
            << "<head><link rel=\"stylesheet\" type=\"text/css\" href=\"css/site.css\">\r\n</head>";
        QTest::newRow("script link with its end tag")
            << "ID_InsertVBScriptLink" << QByteArray("<html><head></head><body></body></html>") << "a.vbs"
            << "<script language=\"VBScript\" src=\"a.vbs\"></SCRIPT>\r\n";
    }
    void commands_change_the_page_as_one_step() {
        QFETCH(QString, command);
        QFETCH(QByteArray, page);
        QFETCH(QString, file);
        QFETCH(QString, inserted);
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("page.htm"), page), false));
        if (!file.isEmpty()) f.dialogs.files = {f.docs.filePath(file)};
        QVERIFY(w.findChild<QAction*>(command)->isEnabled());
        w.dispatch(command);
        QVERIFY2(w.editor().text().contains(inserted), qPrintable(w.editor().text()));
        QVERIFY(f.ws->documents.active()->changed);
        w.editor().undo();
        QCOMPARE(w.editor().text(), QString::fromUtf8(page));
    }

    void list_wizard_turns_the_selection_into_a_list() {
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("page.htm"), "<body>\r\none\r\n two \r\n</body>"), false));
        w.editor().set_selection(8, 12);
        w.dispatch(QStringLiteral("id_TopMenu_Tools"));  // opening the menu brings its states up to date
        QVERIFY(w.findChild<QAction*>(QStringLiteral("id_Tools_List"))->isEnabled());
        w.dispatch(QStringLiteral("id_Tools_List"));
        QCOMPARE(w.editor().text(), QStringLiteral("<body>\r\n<ul>\r\n<li>one</li>\r\n<li>two</li>\r\n</ul>\r\n</body>"));
        w.editor().undo();
        QCOMPARE(w.editor().text(), QStringLiteral("<body>\r\none\r\n two \r\n</body>"));
    }
};

TAMSEL_TEST(PageCommandsWindowTest)
#include "page_commands_window_test.moc"
