// Files that are not what their name says (UTF-16, binary) and files that change under the open editor:
// what opens, what is asked, and that nothing on disk is written or lost behind the user's back.
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace tamsel;
using test::read_bytes;
using test::SessionFixture;

class DiskFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pages_are_saved_back_in_their_encoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("saved");  // with "!" typed before the line end
        QTest::newRow("utf-16 little-endian")
            << QByteArray("\xFF\xFEh\0\r\0\n\0", 8) << "h\r\n" << QByteArray("\xFF\xFEh\0!\0\r\0\n\0", 10);
        QTest::newRow("utf-16 big-endian")
            << QByteArray("\xFE\xFF\0h\0\r\0\n", 8) << "h\r\n" << QByteArray("\xFE\xFF\0h\0!\0\r\0\n", 10);
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9\n") << QString::fromUtf16(u"caf\u00E9\n") << QByteArray("caf\xC3\xA9!\n");
        QTest::newRow("utf-8, a second byte-order mark is text") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFh\r\n")
                                                                  << QChar(0xFEFF) + QStringLiteral("h\r\n")
                                                                  << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFh!\r\n");
        QTest::newRow("windows-1252") << QByteArray("caf\xE9\r\n") << QString::fromUtf16(u"caf\u00E9\r\n") << QByteArray("caf\xE9!\r\n");
    }
    void pages_are_saved_back_in_their_encoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), bytes);
        QVERIFY(f.files().open_document(page, false));
        QCOMPARE(f.editor().text(), text);
        f.editor().set_selection(text.size() - (text.endsWith(QLatin1String("\r\n")) ? 2 : 1), 0);
        f.type(QStringLiteral("!"));
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(read_bytes(page), saved);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void a_binary_file_opens_only_when_the_user_says_so_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("No leaves it closed") << int(Answer::No);
        QTest::newRow("Yes opens it") << int(Answer::Yes);
    }
    void a_binary_file_opens_only_when_the_user_says_so() {
        QFETCH(int, answer);
        SessionFixture f;
        f.start();
        const QByteArray bytes("GIF89a\0\x01\xFF\x80 end", 14);
        const QString file = f.doc(QStringLiteral("picture.htm"), bytes);
        f.dialogs.answers = {Answer(answer)};
        QCOMPARE(f.files().open_document(file, false), answer == int(Answer::Yes));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.contains(QStringLiteral("binary")));
        QCOMPARE(f.ws->documents.count(), answer == int(Answer::Yes) ? 1 : 0);
        if (answer == int(Answer::No)) return;
        // Save without an edit writes nothing; after an edit every other byte comes back as it was.
        test::write_bytes(file, bytes + "#");  // would be overwritten by a save
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(read_bytes(file), bytes + "#");
        QCOMPARE(f.view.statuses.value(f.view.statuses.size() - 1),
                 QStringLiteral("Nothing to save: the file is unchanged"));
        f.editor().set_selection(f.editor().length(), 0);
        f.type(QStringLiteral("!"));
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(read_bytes(file), bytes + "!");
    }

    void a_file_changed_on_disk_is_reloaded_or_kept_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::newRow("Reload takes the new text") << int(Answer::Yes) << false << "new text" << false;
        QTest::newRow("Reload drops the user's edit") << int(Answer::Yes) << true << "new text" << false;
        QTest::newRow("Keep mine keeps the text, to be saved") << int(Answer::No) << false << "old" << true;
        QTest::newRow("Keep mine keeps the user's edit") << int(Answer::No) << true << "old!" << true;
    }
    void a_file_changed_on_disk_is_reloaded_or_kept() {
        QFETCH(int, answer);
        QFETCH(bool, edited);
        QFETCH(QString, text);
        QFETCH(bool, changed);
        SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "old");
        QVERIFY(f.files().open_document(page, false));
        f.files().check_disk_changes();
        QVERIFY(f.dialogs.messages.isEmpty());  // nothing changed yet
        if (edited) {
            f.editor().set_selection(3, 0);
            f.type(QStringLiteral("!"));
        }
        QVERIFY(test::rewrite_later(page, "new text"));
        f.dialogs.answers = {Answer(answer)};
        f.files().check_disk_changes();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].captions, (QStringList{QStringLiteral("Reload"), QStringLiteral("Keep mine")}));
        QCOMPARE(f.dialogs.messages[0].text.contains(QStringLiteral("lose your changes")), edited);
        QCOMPARE(f.editor().text(), text);
        QCOMPARE(f.changed(), changed);
        QCOMPARE(read_bytes(page), QByteArray("new text"));
        // One question per change: the next check is silent until the file changes again.
        f.files().check_disk_changes();
        QCOMPARE(f.dialogs.messages.size(), 1);
        if (changed) return;
        // After a reload the new text is the saved one: undo has nothing to take back.
        QVERIFY(!f.editor().can_undo());
    }

    void a_change_to_a_document_in_another_tab_is_asked_about_there() {
        SessionFixture f;
        f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "aaa");
        QVERIFY(f.files().open_document(a, false));
        QVERIFY(f.files().open_document(f.doc(QStringLiteral("b.htm"), "bbb"), false));
        QVERIFY(test::rewrite_later(a, "AAAA"));
        f.dialogs.answers = {Answer::Yes};
        f.files().check_disk_changes();
        QCOMPARE(f.active_path(), a);
        QCOMPARE(f.editor().text(), QStringLiteral("AAAA"));
        f.files().tab_clicked(1);
        QCOMPARE(f.editor().text(), QStringLiteral("bbb"));
    }

    void a_file_deleted_on_disk_is_written_again_only_by_save() {
        SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "kept");
        QVERIFY(f.files().open_document(page, false));
        QVERIFY(QFile::remove(page));
        f.files().check_disk_changes();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.contains(QStringLiteral("deleted")));
        QVERIFY(f.changed());
        QCOMPARE(f.view.tabs.value(0), QStringLiteral("*PAGE.HTM"));
        f.files().check_disk_changes();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(!QFile::exists(page));
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(read_bytes(page), QByteArray("kept"));
        QVERIFY(!f.changed());
    }

    // A small file system of its own fills up; mounting one needs the right to, so without it the test
    // says so and stops.
    void a_save_on_a_full_disk_keeps_the_old_file_and_the_change() {
        SessionFixture f;
        f.start();
        const QString mount = f.docs.filePath(QStringLiteral("small"));
        QDir().mkpath(mount);
        if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                      QStringLiteral("size=64k"), QStringLiteral("tmpfs"), mount}) != 0)
            QSKIP("no small file system can be mounted here");
        const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {mount}); });
        const QString page = mount + QStringLiteral("/page.htm");
        test::write_bytes(page, "old");
        QVERIFY(f.files().open_document(page, false));
        f.type(QString(100 * 1024, QLatin1Char('x')));
        QVERIFY(!f.files().save_document(SaveKind::save));
        QCOMPARE(read_bytes(page), QByteArray("old"));
        QVERIFY(f.changed());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].text.contains(QStringLiteral("No space left on device")),
                 qPrintable(f.dialogs.messages[0].text));
        QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.htm")});
    }
};

TAMSEL_TEST(DiskFilesTest)
#include "disk_files_test.moc"
