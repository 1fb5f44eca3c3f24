// The main window starting and ending offscreen.
#include "app/master_window.h"
#include "app/workspace.h"
#include "platform/scripted_dialogs.h"
#include "settings/settings_store.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tamsel;

namespace {

struct Fixture {
    QTemporaryDir user;
    QTemporaryDir temp;
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    std::unique_ptr<Workspace> ws;

    explicit Fixture(bool all_files = true) {
        for (const QString& base : database_base_names()) {
            if (!all_files && base == QLatin1String("HTML_Attr")) continue;
            QFile::copy(test::data_dir() + QLatin1Char('/') + base + QStringLiteral(".DB"), user.filePath(base + QStringLiteral(".DB")));
        }
        Paths p;
        p.user_data = user.path();
        p.temp = temp.path();
        p.start_folder = QDir::currentPath();
        ws = std::make_unique<Workspace>(p, dialogs, store);
    }
};

}  // namespace

class MasterWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void starts_with_caption_and_warning() {
        Fixture f;
        f.store.values.insert(QStringLiteral("config_use_netscape"), QStringLiteral("1"));
        MasterWindow w(*f.ws, {0});
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
        QCOMPARE(QDir::currentPath(), QDir(f.user.path()).canonicalPath());
        QVERIFY(w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(w.findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 1500);
        QVERIFY(!w.grab().isNull());
    }

    void splash_stays_for_its_time() {
        Fixture f;
        MasterWindow w(*f.ws, {300});
        QElapsedTimer t;
        t.start();
        w.load();
        QVERIFY(t.elapsed() >= 300);
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("frm_Splash")) ||
                !w.findChild<QWidget*>(QStringLiteral("frm_Splash"))->isVisible());
    }

    void missing_file_ends_the_program_at_activation() {
        Fixture f(false);
        MasterWindow w(*f.ws, {0});
        w.load();
        w.show();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("FATAL ERROR\r\nRequired File Missing\r\nHTML_Attr"));
        QTRY_VERIFY(!w.isVisible());
    }

    void escape_requests_a_stop_and_beeps() {
        Fixture f;
        MasterWindow w(*f.ws, {0});
        w.load();
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w)) QSKIP("this platform does not activate windows");
        QVERIFY(!f.ws->window.stop_request);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(f.ws->window.stop_request);
        QVERIFY(f.dialogs.beeps >= 1);
    }

    void unload_saves_the_recent_list_and_removes_scratch_files() {
        Fixture f;
        QTemporaryDir docs;
        const QString page = docs.filePath(QStringLiteral("page.htm"));
        test::write_bytes(page, "<P>x</P>");
        f.store.values.insert(QStringLiteral("File1"), page);
        f.store.values.insert(QStringLiteral("File2"), docs.filePath(QStringLiteral("gone.htm")));
        MasterWindow w(*f.ws, {0});
        w.load();
        for (int n = 1; n <= 4; ++n) test::write_bytes(f.ws->paths.analysis_scratch(n), "scratch");
        f.store.values.clear();
        w.show();
        w.close();
        for (int n = 1; n <= 4; ++n) QVERIFY(!QFile::exists(f.ws->paths.analysis_scratch(n)));
        QCOMPARE(f.store.values.value(QStringLiteral("File1")), page);
        QCOMPARE(f.store.values.value(QStringLiteral("File2")), QString());
        // The configuration is not written at shutdown.
        QVERIFY(!f.store.values.contains(QStringLiteral("config_tab_width")));
    }

    void timer_asks_for_a_preview_refresh_only_when_tracking() {
        Fixture f;
        f.store.values.insert(QStringLiteral("config_autotracker"), QStringLiteral("1"));
        MasterWindow w(*f.ws, {0});
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
};

TAMSEL_TEST(MasterWindowTest)
#include "master_window_test.moc"
