// Seeding the user's database folder with the shipped files: what is copied, what is left alone.
#include "platform/paths.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QString db_file(const QString& folder, const QString& base) { return folder + QLatin1Char('/') + base + QStringLiteral(".DB"); }

}  // namespace

class SeedUserDataTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // An earlier run seeded the folder; since then the shipped file, the user's copy or the marker may
    // have changed. The user's copy is replaced only when it is still what that seeding put there.
    void a_later_run_replaces_only_an_untouched_copy_data() {
        QTest::addColumn<QByteArray>("shipped");     // the shipped file now
        QTest::addColumn<QByteArray>("mine");        // the user's copy now; empty: deleted
        QTest::addColumn<bool>("marker_kept");
        QTest::addColumn<QByteArray>("expected");    // the user's copy after the run
        const QByteArray old_bytes("shipped 1");
        QTest::newRow("nothing changed") << old_bytes << old_bytes << true << old_bytes;
        QTest::newRow("newer shipped file replaces the untouched copy") << QByteArray("shipped 2") << old_bytes << true
                                                                      << QByteArray("shipped 2");
        QTest::newRow("newer shipped file of the same size") << QByteArray("shipped 3") << old_bytes << true
                                                            << QByteArray("shipped 3");
        QTest::newRow("changed copy stays beside a newer shipped file") << QByteArray("shipped 2") << QByteArray("mine")
                                                                       << true << QByteArray("mine");
        QTest::newRow("changed copy stays beside the same shipped file") << old_bytes << QByteArray("mine") << true
                                                                        << QByteArray("mine");
        QTest::newRow("copy changed to the newer shipped file stays") << QByteArray("shipped 2") << QByteArray("shipped 2")
                                                                     << true << QByteArray("shipped 2");
        QTest::newRow("deleted copy comes back") << QByteArray("shipped 2") << QByteArray() << true << QByteArray("shipped 2");
        QTest::newRow("without the marker a copy is the user's") << QByteArray("shipped 2") << old_bytes << false
                                                                << old_bytes;
    }
    void a_later_run_replaces_only_an_untouched_copy() {
        QFETCH(QByteArray, shipped);
        QFETCH(QByteArray, mine);
        QFETCH(bool, marker_kept);
        QFETCH(QByteArray, expected);
        QTemporaryDir program, user;
        const QString base = QStringLiteral("HTML_Tags");
        for (const QString& b : database_base_names()) QVERIFY(test::write_bytes(db_file(program.path(), b), "shipped 1"));
        QString error;
        QVERIFY2(seed_user_data(program.path(), user.path(), &error), qPrintable(error));
        for (const QString& b : database_base_names()) QCOMPARE(test::read_bytes(db_file(user.path(), b)), QByteArray("shipped 1"));

        QVERIFY(test::rewrite_later(db_file(program.path(), base), shipped));
        if (mine.isEmpty()) QVERIFY(QFile::remove(db_file(user.path(), base)));
        else if (mine != test::read_bytes(db_file(user.path(), base))) QVERIFY(test::rewrite_later(db_file(user.path(), base), mine));
        if (!marker_kept) QVERIFY(QFile::remove(user.filePath(QStringLiteral("seeded.txt"))));

        QVERIFY2(seed_user_data(program.path(), user.path(), &error), qPrintable(error));
        QCOMPARE(test::read_bytes(db_file(user.path(), base)), expected);
        for (const QString& b : database_base_names())
            if (b != base) QCOMPARE(test::read_bytes(db_file(user.path(), b)), QByteArray("shipped 1"));
        // A third run finds nothing more to do.
        const QByteArray marker = test::read_bytes(user.filePath(QStringLiteral("seeded.txt")));
        QVERIFY2(seed_user_data(program.path(), user.path(), &error), qPrintable(error));
        QCOMPARE(test::read_bytes(db_file(user.path(), base)), expected);
        QCOMPARE(test::read_bytes(user.filePath(QStringLiteral("seeded.txt"))), marker);
    }

    // What the run after an update decides rests on the marker that update wrote: the replaced copy is
    // again the seeded one, a copy the user changes after it is the user's.
    void the_marker_follows_an_update() {
        QTemporaryDir program, user;
        const QString base = QStringLiteral("Colors");
        for (const QString& b : database_base_names()) QVERIFY(test::write_bytes(db_file(program.path(), b), "v1"));
        QString error;
        QVERIFY(seed_user_data(program.path(), user.path(), &error));
        QVERIFY(test::rewrite_later(db_file(program.path(), base), "v2"));
        QVERIFY(seed_user_data(program.path(), user.path(), &error));
        QCOMPARE(test::read_bytes(db_file(user.path(), base)), QByteArray("v2"));
        QVERIFY(test::rewrite_later(db_file(program.path(), base), "v3"));
        QVERIFY(seed_user_data(program.path(), user.path(), &error));
        QCOMPARE(test::read_bytes(db_file(user.path(), base)), QByteArray("v3"));
        QVERIFY(test::rewrite_later(db_file(user.path(), base), "mine"));
        QVERIFY(test::rewrite_later(db_file(program.path(), base), "v4"));
        QVERIFY(seed_user_data(program.path(), user.path(), &error));
        QCOMPARE(test::read_bytes(db_file(user.path(), base)), QByteArray("mine"));
    }
};

TAMSEL_TEST(SeedUserDataTest)
#include "seed_user_data_test.moc"
