// The crash journal: what a run journals comes back after that run ended without its shutdown, and only then.
#include "core/journal.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;
using tamsel::test::read_bytes;
using tamsel::test::write_bytes;

namespace {

enum class Ending { Destroyed, Killed };

// Ends a run without finish(). Destroyed: the object went away, taking its lock file with it. Killed: the lock
// file stays and names a process that no longer runs; QLockFile judges a lock by that process, so the file is
// one QLockFile wrote here (its lines as the installed Qt writes them) with the process id swapped for that of
// a child that has exited and been reaped.
bool end_run(std::unique_ptr<Journal>& run, Ending how) {
    const QString lock_path = run->session_folder() + QStringLiteral(".lock");
    run.reset();
    if (how == Ending::Destroyed) return true;
    QByteArray lines;
    {
        QLockFile lock(lock_path);
        if (!lock.tryLock(0)) return false;
        lines = read_bytes(lock_path);
    }
    QProcess child;
    child.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")});
    if (!child.waitForStarted()) return false;
    const qint64 pid = child.processId();
    if (!child.waitForFinished()) return false;
    return write_bytes(lock_path, lines.replace(0, lines.indexOf('\n'), QByteArray::number(pid)));
}

std::unique_ptr<Journal> started(const QString& folder) {
    auto run = std::make_unique<Journal>(folder);
    return run->start() ? std::move(run) : nullptr;
}

JournalEntry entry(const QString& path, const QString& text = QStringLiteral("x"), qint64 ms = 1000,
                   TextEncoding encoding = TextEncoding::Utf8, LineEnds ends = LineEnds::CrLf) {
    return {path, encoding, ends, text, QDateTime::fromMSecsSinceEpoch(ms), {}};
}

QStringList paths(const QList<JournalEntry>& entries) {
    QStringList out;
    for (const JournalEntry& e : entries) out << e.path;
    return out;
}

bool is_empty(const QString& folder) { return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

QByteArray with_number(QByteArray bytes, int at, quint64 value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = char(value >> (8 * (size - 1 - i)));
    return bytes;
}

}  // namespace

class JournalTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entries_come_back_after_a_run_ended_without_shutdown_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("object destroyed without finish") << int(Ending::Destroyed);
        QTest::newRow("process killed, its lock left behind") << int(Ending::Killed);
    }
    void entries_come_back_after_a_run_ended_without_shutdown() {
        QFETCH(int, how);
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("journal"));
        const QString path = QString::fromUtf16(u"/home/\u00E9l\u00E8ve/site/\u4E2D\u6587.htm");
        const QString text = QString::fromUtf16(u"<P>Gr\u00FC\u00DFe \u4E2D\u6587 \U0001D11E caf\u00E9</P>\r\n").repeated(150000);
        auto run = started(folder);
        QVERIFY(run);
        QVERIFY(run->write(1, entry(path, text, 2000, TextEncoding::Utf8Bom, LineEnds::CrLf)));
        QVERIFY(run->write(2, entry(QStringLiteral("/w/Untitled 1.htm"), QStringLiteral("a\rb"), 1000,
                                    TextEncoding::Windows1252, LineEnds::Cr)));
        QVERIFY(end_run(run, Ending(how)));

        Journal next(folder);
        QVERIFY(next.start());
        const QList<JournalEntry> found = next.orphaned();
        QCOMPARE(paths(found), QStringList({QStringLiteral("/w/Untitled 1.htm"), path}));  // oldest first
        QCOMPARE(found[0].text, QStringLiteral("a\rb"));
        QCOMPARE(int(found[0].encoding), int(TextEncoding::Windows1252));
        QCOMPARE(int(found[0].line_ends), int(LineEnds::Cr));
        QVERIFY(found[1].text == text);  // several MB: no dump on failure
        QCOMPARE(int(found[1].encoding), int(TextEncoding::Utf8Bom));
        QCOMPARE(int(found[1].line_ends), int(LineEnds::CrLf));
        QCOMPARE(found[1].written.toMSecsSinceEpoch(), 2000);
        for (const JournalEntry& e : found) next.dispose(e);
        next.finish();
        QVERIFY(is_empty(folder));
    }

    void live_and_taken_runs_are_left_alone() {
        QTemporaryDir home;
        auto live = started(home.path());
        QVERIFY(live && live->write(1, entry(QStringLiteral("/live.htm"))));
        auto dead = started(home.path());
        QVERIFY(dead && dead->write(1, entry(QStringLiteral("/dead.htm"))));
        QVERIFY(end_run(dead, Ending::Killed));

        {  // a run may last for days: the age of its lock never makes it stale
            QFile lock(live->session_folder() + QStringLiteral(".lock"));
            QVERIFY(lock.open(QIODevice::Append));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
        }
        Journal first(home.path());
        QVERIFY(first.start());
        QCOMPARE(paths(first.orphaned()), QStringList{QStringLiteral("/dead.htm")});
        Journal second(home.path());
        QVERIFY(second.start());
        QVERIFY(second.orphaned().isEmpty());  // the live run's and the one first took over
        QVERIFY(live->orphaned().isEmpty());
        first.finish();  // what it neither recovered nor discarded waits for the next one
        QCOMPARE(paths(second.orphaned()), QStringList{QStringLiteral("/dead.htm")});
        const QString live_entry = live->session_folder() + QStringLiteral("/001.jnl");
        second.dispose({QStringLiteral("/live.htm"), {}, {}, {}, {}, live_entry});
        QVERIFY(QFile::exists(live_entry));
    }

    void remove_and_finish_leave_nothing_behind() {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("journal"));
        auto kept = started(folder);
        QVERIFY(kept);
        QCOMPARE(QFileInfo(folder).permissions().toInt() & 0x0077, 0);  // other users see nothing
        QCOMPARE(QFileInfo(kept->session_folder()).permissions().toInt() & 0x0077, 0);
        QVERIFY(!kept->write(0, entry(QStringLiteral("/x.htm"))));
        QVERIFY(!kept->write(256, entry(QStringLiteral("/x.htm"))));
        QVERIFY(kept->write(1, entry(QStringLiteral("/one.htm"), QStringLiteral("old"))));
        QVERIFY(kept->write(1, entry(QStringLiteral("/one.htm"), QStringLiteral("new"))));
        QVERIFY(kept->write(2, entry(QStringLiteral("/two.htm"))));
        kept->remove(2);
        QVERIFY(end_run(kept, Ending::Destroyed));
        auto closed = started(folder);
        QVERIFY(closed && closed->write(1, entry(QStringLiteral("/closed.htm"))));
        closed->finish();
        QVERIFY(!closed->active());
        QVERIFY(!closed->write(1, entry(QStringLiteral("/closed.htm"))));

        Journal next(folder);
        QVERIFY(next.start());
        const QList<JournalEntry> found = next.orphaned();
        QCOMPARE(paths(found), QStringList{QStringLiteral("/one.htm")});
        QCOMPARE(found[0].text, QStringLiteral("new"));
        next.dispose(found[0]);
        next.finish();
        QVERIFY(is_empty(folder));
    }

    void damaged_entries_are_removed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("kept");
        // The entry of "/p.htm" with "abc": path size at 8, path at 16, codes at 22 and 23, text size at 32.
        QTemporaryDir home;
        Journal run(home.path());
        QVERIFY(run.start() && run.write(1, entry(QStringLiteral("/p.htm"), QStringLiteral("abc"))));
        const QByteArray good = read_bytes(run.session_folder() + QStringLiteral("/001.jnl"));
        QCOMPARE(good.size(), 43);
        const QString name = QStringLiteral("002.jnl");
        QTest::newRow("empty") << name << QByteArray() << false;
        QTest::newRow("garbage") << name << QByteArray("not an entry at all\r\n") << false;
        QTest::newRow("wrong magic") << name << with_number(good, 0, 0x4A, 1) << false;
        QTest::newRow("cut in the header") << name << good.left(12) << false;
        QTest::newRow("cut in the text") << name << good.chopped(1) << false;
        QTest::newRow("bytes after the text") << name << good + "x" << false;
        QTest::newRow("huge path size") << name << with_number(good, 8, ~quint64(0), 8) << false;
        QTest::newRow("huge text size") << name << with_number(good, 32, quint64(1) << 40, 8) << false;
        QTest::newRow("unknown encoding") << name << with_number(good, 22, 9, 1) << false;
        QTest::newRow("unknown line ends") << name << with_number(good, 23, 9, 1) << false;
        QTest::newRow("older format") << name << with_number(good, 4, 0, 4) << false;
        QTest::newRow("newer format kept for a newer program") << name << with_number(good, 4, 2, 4) << true;
        QTest::newRow("rest of an interrupted write") << QStringLiteral("003.jnl.Xa1bC2") << good.left(20) << false;
    }
    void damaged_entries_are_removed() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, kept);
        QTemporaryDir home;
        auto run = started(home.path());
        QVERIFY(run && run->write(1, entry(QStringLiteral("/good.htm"))));
        const QString damaged = run->session_folder() + QLatin1Char('/') + name;
        QVERIFY(end_run(run, Ending::Destroyed));
        QVERIFY(write_bytes(damaged, bytes));
        Journal next(home.path());
        QVERIFY(next.start());
        QCOMPARE(paths(next.orphaned()), QStringList{QStringLiteral("/good.htm")});
        QCOMPARE(QFile::exists(damaged), kept);
    }

    void journalling_is_off_when_start_fails_data() {
        QTest::addColumn<QString>("below");
        QTest::newRow("journal folder is a file") << QString();
        QTest::newRow("journal folder lies under a file") << QStringLiteral("/journal");
    }
    void journalling_is_off_when_start_fails() {
        QFETCH(QString, below);
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("file"));
        QVERIFY(write_bytes(file, "x"));
        Journal run(file + below);
        QVERIFY(!run.start());
        QVERIFY(!run.active());
        QVERIFY(!run.write(1, entry(QStringLiteral("/a.htm"))));
        QVERIFY(run.orphaned().isEmpty());
        run.finish();
        QCOMPARE(read_bytes(file), QByteArray("x"));
    }

    // Steps: "change K T" document K changed at T ms, "cancel K" saved or closed, "due T K,K" the documents
    // handed out at T, "next T" when the next falls due (-1 none).
    void schedule_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("due the delay after a change") << QStringList{"change 1 0", "next 5000", "due 4999", "due 5000 1"};
        QTest::newRow("each change moves the time")
            << QStringList{"change 1 0", "change 1 3000", "next 8000", "due 5000", "due 8000 1"};
        QTest::newRow("handed out once until changed again")
            << QStringList{"change 1 0", "due 5000 1", "due 60000", "next -1", "change 1 61000", "due 66000 1"};
        QTest::newRow("save or close cancels") << QStringList{"change 1 0", "cancel 1", "next -1", "due 60000"};
        QTest::newRow("documents keep their own times")
            << QStringList{"change 2 0", "change 1 2000", "next 5000", "due 5000 2", "due 9000 1"};
        QTest::newRow("several due at once") << QStringList{"change 3 0", "change 1 100", "due 9000 1,3"};
    }
    void schedule() {
        QFETCH(QStringList, steps);
        JournalSchedule schedule(5000);
        for (const QString& step : steps) {
            const QStringList w = step.split(QLatin1Char(' '));
            if (w[0] == QLatin1String("change")) {
                schedule.changed(w[1].toInt(), w[2].toLongLong());
            } else if (w[0] == QLatin1String("cancel")) {
                schedule.cancel(w[1].toInt());
            } else if (w[0] == QLatin1String("next")) {
                QCOMPARE(schedule.next_due(), w[1].toLongLong());
            } else {
                QStringList due;
                for (int key : schedule.take_due(w[1].toLongLong())) due << QString::number(key);
                QCOMPARE(due.join(QLatin1Char(',')), w.value(2));
            }
        }
    }
};

TAMSEL_TEST(JournalTest)
#include "journal_test.moc"
