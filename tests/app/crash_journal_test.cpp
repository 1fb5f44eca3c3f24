// The crash journal in the session: what is written when, and what is taken back.
#include "app/crash_journal.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QDirIterator>
#include <QTest>

using namespace tamsel;
using test::SessionFixture;

namespace {

// The texts in the journal now, by document path: the live entries are copied to a folder nobody holds
// and read back as a later run would.
QMap<QString, QString> journalled(const SessionFixture& f) {
    const QString copies = f.ws->paths.journal() + QStringLiteral("-copies");
    QDirIterator it(f.ws->paths.journal(), {QStringLiteral("*.jnl")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString session = copies + QLatin1Char('/') + entry.dir().dirName();
        QDir().mkpath(session);
        QFile::copy(entry.filePath(), session + QLatin1Char('/') + entry.fileName());
    }
    QMap<QString, QString> texts;
    {
        Journal reader(copies);
        for (const JournalEntry& e : reader.orphaned()) texts.insert(e.path, e.text);
    }
    QDir(copies).removeRecursively();
    return texts;
}

struct Journalled : SessionFixture {
    QString a, b;
    Journalled() {
        set("journal_delay", QStringLiteral("5"));
        start();
        session->journal().start(files());
        a = doc(QStringLiteral("a.htm"), "a");
        b = doc(QStringLiteral("b.htm"), "b");
        files().open_document(a, false);
    }
    void tick(qint64 seconds) { session->journal().tick(seconds * 1000); }
};

}  // namespace

class CrashJournalTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_change_is_journalled_once_it_has_been_still_for_the_delay() {
        Journalled f;
        f.tick(0);
        f.type(QStringLiteral("1"));
        f.tick(1);
        f.type(QStringLiteral("2"));
        f.tick(4);
        QVERIFY(journalled(f).isEmpty());  // the last change was 3 s ago
        f.tick(6);
        QVERIFY(journalled(f).isEmpty());  // 5 s after the first change, but not after the last
        f.tick(9);
        QCOMPARE(journalled(f).value(f.a), QStringLiteral("12a"));
    }

    void save_and_close_take_the_entry_away_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("save") << "id_File_Save";
        QTest::newRow("close without saving") << "ID_File_Close";
    }
    void save_and_close_take_the_entry_away() {
        QFETCH(QString, command);
        Journalled f;
        f.type(QStringLiteral("x"));
        f.tick(1);
        f.tick(10);
        QCOMPARE(journalled(f).size(), 1);
        f.dialogs.answers = {Answer::No};
        f.dispatch(command);
        QVERIFY(journalled(f).isEmpty());
        f.tick(20);
        QVERIFY(journalled(f).isEmpty());
    }

    void leaving_a_document_journals_what_waits() {
        Journalled f;
        f.tick(1);
        f.type(QStringLiteral("x"));
        f.files().open_document(f.b, false);  // before the delay ran out
        QCOMPARE(journalled(f).value(f.a), QStringLiteral("xa"));
        f.tick(30);
        QCOMPARE(journalled(f).size(), 1);  // b is unchanged
    }

    void a_run_that_did_not_finish_is_offered_at_the_next_start() {
        Journalled f;
        f.type(QStringLiteral("lost? "));
        f.tick(1);
        f.tick(10);
        // The session ends without its shutdown.
        f.session.reset();
        f.ws->documents.clear();
        f.view.tabs.clear();
        f.dialogs.answers = {Answer::Yes};
        f.make_session();
        f.session->journal().start(f.files());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.active_path(), f.a);
        QCOMPARE(f.editor().text(), QStringLiteral("lost? a"));
        QVERIFY(f.changed());
        QCOMPARE(f.view.tabs, QStringList{"A.HTM"});
        // The recovered text is this run's now.
        QCOMPARE(journalled(f).value(f.a), QStringLiteral("lost? a"));
    }
};

TAMSEL_TEST(CrashJournalTest)
#include "crash_journal_test.moc"
