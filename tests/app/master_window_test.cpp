// The main window starting and ending offscreen.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app/workspace.h"
#include "platform/scripted_dialogs.h"
#include "settings/settings_store.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "app_fixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tamsel;

namespace {

// The main window without a document to start with, unless a test asks for one.
struct Fixture : test::AppFixture {
    explicit Fixture(bool all_files = true) : AppFixture(all_files) { set("startup_mode", QStringLiteral("2")); }
};

constexpr MasterOptions quick{0, false};

}  // namespace

class MasterWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void starts_with_caption_and_warning() {
        const QString cwd = QDir::currentPath();
        Fixture f;
        f.store.values.insert(QStringLiteral("config_use_netscape"), QStringLiteral("1"));
        MasterWindow w(*f.ws, quick);
        w.load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.objectName(), QStringLiteral("frm_Master"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tamsel2001 (v1.00)"));
        auto* warning = w.findChild<QLabel*>(QStringLiteral("warning"));
        QVERIFY(warning && warning->isVisible());
        QCOMPARE(warning->text(), QStringLiteral("No Documents are currently open.  Click on NEW or OPEN to begin editting a new page."));
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(!f.ws->window.tabs_updating);
        QVERIFY(f.ws->window.highlight_on);
        // Start-up leaves the working directory alone: every path the program keeps is whole.
        QCOMPARE(QDir::currentPath(), cwd);
        QVERIFY(w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(w.findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 1500);
        QVERIFY(!w.grab().isNull());
    }

    void splash_stays_for_its_time() {
        Fixture f;
        MasterWindow w(*f.ws, {300, false});
        QElapsedTimer t;
        t.start();
        w.load();
        QVERIFY(t.elapsed() >= 300);
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("frm_Splash")) ||
                !w.findChild<QWidget*>(QStringLiteral("frm_Splash"))->isVisible());
    }

    void missing_file_ends_the_program_at_activation() {
        Fixture f(false);
        MasterWindow w(*f.ws, quick);
        w.load();
        w.show();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("FATAL ERROR\r\nRequired File Missing\r\nHTML_Attr"));
        QTRY_VERIFY(!w.isVisible());
    }

    void escape_requests_a_stop_and_beeps() {
        Fixture f;
        MasterWindow w(*f.ws, quick);
        w.load();
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w)) QSKIP("this platform does not activate windows");
        QVERIFY(!f.ws->window.stop_request);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(f.ws->window.stop_request);
        QVERIFY(f.dialogs.beeps >= 1);
    }

    void unload_saves_the_recent_list() {
        Fixture f;
        QTemporaryDir docs;
        const QString page = docs.filePath(QStringLiteral("page.htm"));
        test::write_bytes(page, "<P>x</P>");
        f.store.values.insert(QStringLiteral("File1"), page);
        f.store.values.insert(QStringLiteral("File2"), docs.filePath(QStringLiteral("gone.htm")));
        MasterWindow w(*f.ws, quick);
        w.load();
        f.store.values.clear();
        w.show();
        w.close();
        QCOMPARE(f.store.values.value(QStringLiteral("File1")), page);
        QCOMPARE(f.store.values.value(QStringLiteral("File2")), QString());
        // The configuration is not written at shutdown.
        QVERIFY(!f.store.values.contains(QStringLiteral("config_tab_width")));
    }

    void timer_asks_for_a_preview_refresh_only_when_tracking() {
        Fixture f;
        f.store.values.insert(QStringLiteral("config_autotracker"), QStringLiteral("1"));
        MasterWindow w(*f.ws, quick);
        w.load();
        QSignalSpy spy(&w, &MasterWindow::preview_refresh_requested);
        f.ws->window.text_dirty = true;
        w.tracking_check();
        QCOMPARE(spy.count(), 0);  // the split preview is not shown
        f.ws->window.split_preview_on = true;
        f.ws->window.text_dirty = true;
        w.tracking_check();
        QCOMPARE(spy.count(), 1);
    }

    void startup_mode_opens_the_document_asked_for_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("recent");
        QTest::addColumn<QString>("opened");  // file name of the active document, empty for none
        QTest::newRow("0 makes a new HTML page") << "0" << true << "New File 01.HTM";
        QTest::newRow("1 reopens the most recent file") << "1" << true << "page.htm";
        QTest::newRow("1 with an empty list opens nothing") << "1" << false << "";
        QTest::newRow("2 opens nothing") << "2" << true << "";
        QTest::newRow("other values open nothing") << "7" << true << "";
    }
    void startup_mode_opens_the_document_asked_for() {
        QFETCH(QString, mode);
        QFETCH(bool, recent);
        QFETCH(QString, opened);
        test::AppFixture f;
        f.set("startup_mode", mode);
        if (recent) f.store.values.insert(QStringLiteral("File1"), f.doc(QStringLiteral("page.htm"), "<P>x</P>"));
        MasterWindow& w = f.start();
        const Document* doc = f.ws->documents.active();
        QCOMPARE(doc ? QFileInfo(doc->path).fileName() : QString(), opened);
        QCOMPARE(f.ws->documents.count(), opened.isEmpty() ? 0 : 1);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("warning"))->isVisible(), opened.isEmpty());
        // The document commands show once a document is active.
        QCOMPARE(f.ws->commands.visible(QStringLiteral("id_TopMenu_Edit")), !opened.isEmpty());
        QCOMPARE(f.ws->commands.visible(QStringLiteral("ID_File_SaveAs")), !opened.isEmpty());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void files_named_to_open_replace_the_startup_document() {
        test::AppFixture f;
        f.set("startup_mode", QStringLiteral("0"));
        const QString page = f.doc(QStringLiteral("page.htm"), "<P>x</P>");
        MasterWindow& w = f.start(0, false);
        w.open_paths({page});
        QCOMPARE(f.ws->documents.count(), 1);
        QCOMPARE(f.ws->documents.active()->path, page);
    }

    void closing_the_window_asks_for_each_changed_document() {
        test::AppFixture f;
        MasterWindow& w = f.start();
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) {
            w.documents().open_document(f.doc(QLatin1String(name), "<P>"), false);
            w.editor().replace_selection(QStringLiteral("edit"));
        }
        f.dialogs.answers = {Answer::No, Answer::Cancel};
        QVERIFY(!w.close());
        QCOMPARE(f.dialogs.messages.size(), 2);
        QCOMPARE(f.ws->documents.count(), 2);
        QVERIFY(w.isVisible());
        f.dialogs.answers = {Answer::No, Answer::No};
        QVERIFY(w.close());
        QCOMPARE(f.ws->documents.count(), 0);
    }

    void the_home_page_says_when_nothing_opens_it() {
        test::AppFixture f;
        MasterWindow& w = f.start();
        w.dispatch(QStringLiteral("id_Tamsel2001Homepage"));
        QCOMPARE(f.dialogs.opened.size(), 1);
        QVERIFY(f.dialogs.messages.isEmpty());
        f.dialogs.handler_opens = false;
        w.dispatch(QStringLiteral("id_Tamsel2001Homepage"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.contains(f.dialogs.opened.last()));
    }
};

TAMSEL_TEST(MasterWindowTest)
#include "master_window_test.moc"
