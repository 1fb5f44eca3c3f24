// Killing the editor with unsaved changes and starting it again offers the changes back.
#include "app/crash_journal.h"
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QProcess>
#include <QTest>
#include <cstdio>

using namespace tamsel;

namespace {

bool journal_written(const QString& user) {
    QDirIterator it(user + QStringLiteral("/journal"), {QStringLiteral("*.jnl")}, QDir::Files, QDirIterator::Subdirectories);
    return it.hasNext();
}

// The child: the editor on the given per-user folder, a page opened and typed into; once the journal has
// the text it says so and waits to be killed.
int edit_and_wait() {
    const QString user = qEnvironmentVariable("TAMSEL_CHILD_USER");
    const QString page = qEnvironmentVariable("TAMSEL_CHILD_PAGE");
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    store.values.insert(QStringLiteral("config_startup_mode"), QStringLiteral("2"));
    store.values.insert(QStringLiteral("config_journal_delay"), QStringLiteral("1"));
    Paths p;
    p.user_data = user;
    p.temp = user + QStringLiteral("/tmp");
    p.start_folder = QFileInfo(page).absolutePath();
    Workspace ws(p, dialogs, store);
    MasterWindow w(ws, MasterOptions{0, false, true});
    w.load();
    w.show();
    w.documents().open_document(page, false);
    w.editor().set_selection(0, 0);
    QTest::keyClicks(&w.editor(), "typed before the crash ");
    if (!QTest::qWaitFor([&] { return journal_written(user); }, 20000)) return 4;
    std::fputs("journalled\n", stdout);
    std::fflush(stdout);
    QTest::qWait(60000);
    return 5;  // never reached: the test kills the process first
}

const test::ChildRegistrar child("edit_and_wait", edit_and_wait);

}  // namespace

class CrashJournalWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_killed_editor_offers_its_changes_back_data() {
        QTest::addColumn<bool>("recover");
        QTest::newRow("Recover opens the text as a changed document") << true;
        QTest::newRow("Discard forgets it") << false;
    }
    void a_killed_editor_offers_its_changes_back() {
        QFETCH(bool, recover);
        test::AppFixture f;
        const QString page = f.doc(QStringLiteral("page.htm"), "<P>saved</P>\r\n");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAMSEL_TEST_CHILD"), QStringLiteral("edit_and_wait"));
        env.insert(QStringLiteral("TAMSEL_CHILD_USER"), f.user.path());
        env.insert(QStringLiteral("TAMSEL_CHILD_PAGE"), page);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("journalled") || child.state() != QProcess::Running, 30000);
        QVERIFY2(child.state() == QProcess::Running, child.readAllStandardError().constData());
        child.kill();  // no shutdown: no question, no save, no clean-up
        QVERIFY(child.waitForFinished());
        QCOMPARE(test::read_bytes(page), QByteArray("<P>saved</P>\r\n"));

        f.dialogs.answers = {recover ? Answer::Yes : Answer::No};
        MasterWindow& w = f.start();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.startsWith(QStringLiteral("'%1' had unsaved changes").arg(page)));
        QCOMPARE(f.dialogs.messages[0].captions, (QStringList{"Recover", "Discard"}));
        if (recover) {
            QCOMPARE(f.ws->documents.count(), 1);
            QCOMPARE(f.ws->documents.active()->path, page);
            QCOMPARE(w.editor().text(), QStringLiteral("typed before the crash <P>saved</P>\r\n"));
            QVERIFY(f.ws->documents.active()->changed);
            QCOMPARE(f.ws->documents.active()->line_ends, LineEnds::CrLf);
        } else {
            QCOMPARE(f.ws->documents.count(), 0);
        }
        // Offered once: a second start finds nothing more of the killed run.
        f.dialogs.answers = {Answer::No};
        w.dispatch(QStringLiteral("ID_File_Close"));
        f.window.reset();
        f.dialogs.messages.clear();
        f.start();
        QCOMPARE(f.dialogs.messages.size(), 0);
    }
};

TAMSEL_TEST(CrashJournalWindowTest)
#include "crash_journal_window_test.moc"
