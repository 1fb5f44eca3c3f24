// The crash journal: what a run journals comes back after that run ended without its shutdown, and only then.
#include "core/journal.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;
using tamsel::test::read_bytes;
using tamsel::test::write_bytes;

namespace {

// Ends a run without finish(): the object goes, taking its lock file along; when killed, a lock file stays that
// names a process that is gone. QLockFile reads a lock's first line as the process id of its owner; 2^30 is
// above the largest process id Linux hands out, so no process has it.
bool end_run(std::unique_ptr<Journal>& run, bool killed) {
    const QString lock = run->session_folder() + ".lock";
    run.reset();
    return !killed || write_bytes(lock, "1073741824\ntamsel2001\n" + QSysInfo::machineHostName().toUtf8() + '\n');
}

JournalEntry entry(const QString& path, const QString& text = "x", qint64 ms = 1000,
                   TextEncoding encoding = TextEncoding::Utf8, LineEnds ends = LineEnds::CrLf) {
    return {path, encoding, ends, text, QDateTime::fromMSecsSinceEpoch(ms), {}};
}

// What entries say besides their text.
QStringList facts(const QList<JournalEntry>& entries) {
    QStringList out;
    for (const JournalEntry& e : entries)
        out << QStringLiteral("%1 %2 %3 %4").arg(e.path).arg(int(e.encoding)).arg(int(e.line_ends))
                   .arg(e.written.toMSecsSinceEpoch());
    return out;
}

}  // namespace

class JournalTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entries_come_back_after_a_run_ended_without_shutdown_data() {
        QTest::addColumn<bool>("killed");
        QTest::newRow("object destroyed without finish") << false;
        QTest::newRow("process killed, its lock left behind") << true;
    }
    void entries_come_back_after_a_run_ended_without_shutdown() {
        QFETCH(bool, killed);
        QTemporaryDir home;
        const QString folder = home.filePath("journal");
        // A U+FEFF first is a character of the text like any other (a page with two byte-order marks).
        const QString text = QChar(0xFEFF) + QString::fromUtf16(u"<P>Gr\u00FC\u00DFe \u4E2D \U0001D11E</P>\r\n").repeated(250000);
        const JournalEntry big =
            entry(QString::fromUtf16(u"/\u00E9l\u00E8ve/\u4E2D.htm"), text, 2000, TextEncoding::Utf8Bom, LineEnds::CrLf);
        const JournalEntry untitled = entry("/Untitled 1.htm", "a\rb", 1000, TextEncoding::Windows1252, LineEnds::Cr);
        auto run = std::make_unique<Journal>(folder);
        QVERIFY(run->start() && !run->write(0, entry("/x")) && !run->write(256, entry("/x")));
        QCOMPARE(QFileInfo(folder).permissions().toInt() & 0x0077, 0);  // other users see nothing
        QCOMPARE(QFileInfo(run->session_folder()).permissions().toInt() & 0x0077, 0);
        QVERIFY(run->write(1, entry("/old.htm")) && run->write(3, entry("/closed.htm")));
        QVERIFY(run->write(1, big) && run->write(2, untitled));
        run->remove(3);
        QVERIFY(end_run(run, killed));

        Journal next(folder);
        QVERIFY(next.start());
        const QList<JournalEntry> found = next.orphaned();
        QCOMPARE(facts(found), facts({untitled, big}));  // oldest first
        QVERIFY(found[0].text == untitled.text && found[1].text == text);  // several MB: no dump on failure
        for (const JournalEntry& e : found) next.dispose(e);
        QVERIFY(next.write(1, entry("/later.htm")));
        next.finish();
        QVERIFY(!next.write(1, entry("/later.htm")));
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void live_and_taken_runs_are_left_alone() {
        QTemporaryDir home;
        auto live = std::make_unique<Journal>(home.path());
        auto dead = std::make_unique<Journal>(home.path());
        QVERIFY(live->start() && live->write(1, entry("/live.htm")));
        QVERIFY(dead->start() && dead->write(1, entry("/dead.htm")) && end_run(dead, true));
        Journal first(home.path());
        Journal second(home.path());
        QVERIFY(first.start() && second.start());
        QCOMPARE(facts(first.orphaned()), facts({entry("/dead.htm")}));
        QVERIFY(second.orphaned().isEmpty() && live->orphaned().isEmpty());
        const QString live_entry = live->session_folder() + "/001.jnl";
        second.dispose({"/live.htm", {}, {}, {}, {}, live_entry});
        QVERIFY(QFile::exists(live_entry));
        first.finish();  // what it neither recovered nor discarded waits for the next one
        QCOMPARE(facts(second.orphaned()), facts({entry("/dead.htm")}));
    }

    void damaged_entries_are_removed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("kept");
        // The entry of "/p.htm" with "abc": version (1) ends at 7, sizes of path and text at 8 and 32, encoding at 22.
        QTemporaryDir home;
        Journal run(home.path());
        QVERIFY(run.start() && run.write(1, entry("/p.htm", "abc")));
        const QByteArray good = read_bytes(run.session_folder() + "/001.jnl");
        QCOMPARE(good.size(), 43);
        QTest::newRow("garbage") << "002.jnl" << QByteArray("not an entry at all\r\n") << false;
        QTest::newRow("cut in the header") << "002.jnl" << good.left(12) << false;
        QTest::newRow("cut in the text") << "002.jnl" << good.chopped(1) << false;
        QTest::newRow("bytes after the text") << "002.jnl" << good + "x" << false;
        QTest::newRow("huge path size") << "002.jnl" << QByteArray(good).replace(8, 8, QByteArray(8, '\xFF')) << false;
        QTest::newRow("huge text size") << "002.jnl" << QByteArray(good).replace(32, 1, "\x7F") << false;
        QTest::newRow("unknown encoding") << "002.jnl" << QByteArray(good).replace(22, 1, "\x09") << false;
        QTest::newRow("newer format kept for a newer program") << "002.jnl" << QByteArray(good).replace(7, 1, "\x02") << true;
        QTest::newRow("rest of an interrupted write") << "003.jnl.Xa1bC2" << good.left(20) << false;
    }
    void damaged_entries_are_removed() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, kept);
        QTemporaryDir home;
        auto run = std::make_unique<Journal>(home.path());
        QVERIFY(run->start() && run->write(1, entry("/good.htm")));
        const QString damaged = run->session_folder() + '/' + name;
        QVERIFY(end_run(run, false) && write_bytes(damaged, bytes));
        Journal next(home.path());
        QVERIFY(next.start());
        QCOMPARE(facts(next.orphaned()), facts({entry("/good.htm")}));
        QCOMPARE(QFile::exists(damaged), kept);
    }

    void journalling_is_off_when_start_fails() {
        QTemporaryDir home;
        QVERIFY(write_bytes(home.filePath("file"), "x"));
        Journal run(home.filePath("file/journal"));  // a file stands where a folder must be
        QVERIFY(!run.start() && !run.active() && !run.write(1, entry("/a.htm")) && run.orphaned().isEmpty());
    }

    // "change K T": document K changed at T ms; "cancel K": saved or closed; "due T K,K": handed out at T;
    // "next T": when the next falls due (-1: none waits).
    void schedule_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("due the delay after a change")
            << QStringList{"change 1 0", "next 5000", "due 4999", "due 5000 1", "next -1"};
        QTest::newRow("each change moves the time")
            << QStringList{"change 1 0", "change 1 3000", "due 5000", "due 8000 1"};
        QTest::newRow("handed out once until changed again")
            << QStringList{"change 1 0", "due 5000 1", "due 60000", "change 1 61000", "due 66000 1"};
        QTest::newRow("save or close cancels") << QStringList{"change 1 0", "cancel 1", "next -1", "due 60000"};
        QTest::newRow("documents keep their own times")
            << QStringList{"change 2 0", "change 3 2000", "change 1 2500", "next 5000", "due 5000 2", "due 9000 1,3"};
    }
    void schedule() {
        QFETCH(QStringList, steps);
        JournalSchedule schedule(5000);
        for (const QString& step : steps) {
            const QStringList w = step.split(' ');
            const qint64 n = w[1].toLongLong();
            if (w[0] == "change") schedule.changed(int(n), w[2].toLongLong());
            if (w[0] == "cancel") schedule.cancel(int(n));
            if (w[0] == "next") QCOMPARE(schedule.next_due(), n);
            if (w[0] != "due") continue;
            QStringList due;
            for (int key : schedule.take_due(n)) due << QString::number(key);
            QCOMPARE(due.join(','), w.value(2));
        }
    }
};

TAMSEL_TEST(JournalTest)
#include "journal_test.moc"
