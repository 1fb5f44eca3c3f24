// Documents as the session keeps them: open, switch, save, save as, template save, close and the recent
// list, without a window.
#include "core/document_kinds.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QFileInfo>
#include <QTest>

using namespace tamsel;
using test::read_bytes;
using test::SessionFixture;

class DocumentsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_document_keeps_its_text_undo_and_place() {
        SessionFixture f;
        f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "<B>bold</B> one");
        const QString b = f.doc(QStringLiteral("b.txt"), "plain two");
        QVERIFY(f.files().open_document(a, false));
        const QList<ColourRun> coloured = f.editor().colour_runs();
        QCOMPARE(coloured.first().colour, static_cast<ColourValue>(16711935));  // the tag colour
        f.editor().set_selection(3, 4);
        f.type(QStringLiteral("BOLD"));
        QVERIFY(f.files().open_document(b, false));
        f.type(QStringLiteral("more "));
        QCOMPARE(f.ws->documents.active_type(), static_cast<int>(doc_text));
        QCOMPARE(f.view.caption, QStringLiteral("Tamsel2001 : ") + b.toUpper());
        for (int round = 0; round < 3; ++round) {
            f.files().tab_clicked(0);
            QCOMPARE(f.active_path(), a);
            QCOMPARE(f.editor().text(), QStringLiteral("<B>BOLD</B> one"));
            QVERIFY(f.changed());
            QCOMPARE(f.editor().selection_start(), 7);
            QCOMPARE(f.editor().colour_runs().first(), coloured.first());
            f.files().tab_clicked(1);
            QCOMPARE(f.editor().text(), QStringLiteral("more plain two"));
        }
        // Undo reaches the document's own edits after the switches, and never into the other document.
        f.dispatch(QStringLiteral("ID_Undo"));
        QCOMPARE(f.editor().text(), QStringLiteral("plain two"));
        QVERIFY(!f.editor().can_undo());
        f.files().tab_clicked(0);
        f.dispatch(QStringLiteral("ID_Undo"));
        QCOMPARE(f.editor().text(), QStringLiteral("<B>bold</B> one"));
        QVERIFY(!f.editor().can_undo());
        // Switching wrote nothing anywhere.
        QCOMPARE(read_bytes(a), QByteArray("<B>bold</B> one"));
        QCOMPARE(read_bytes(b), QByteArray("plain two"));
        QVERIFY(QDir(f.temp.path()).isEmpty());
    }

    void opening_an_open_file_switches_to_it() {
        SessionFixture f;
        f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "a");
        f.files().open_document(a, false);
        f.files().open_document(f.doc(QStringLiteral("b.htm"), "b"), false);
        f.files().open_document(a, false);
        QCOMPARE(f.ws->documents.count(), 2);
        QCOMPARE(f.active_path(), a);
        QCOMPARE(f.view.selected_tab, 0);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("File already in use"));
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Project File : \r\n'%1'\r\nis already open").arg(a));
        QCOMPARE(f.dialogs.beeps, 1);
    }

    void untitled_names_skip_taken_ones_and_run_out() {
        SessionFixture f;
        f.start();
        QVERIFY(f.files().new_document(QStringLiteral("HTM")));
        test::write_bytes(untitled_path(f.user.path(), 2, QStringLiteral("HTM")), "");
        QVERIFY(f.files().new_document(QStringLiteral("HTM")));
        QCOMPARE(QFileInfo(f.active_path()).fileName(), QStringLiteral("New File 03.HTM"));
        QCOMPARE(f.view.tabs.value(1), QStringLiteral("NEW FILE 03.HTM"));
        for (int n = 1; n <= 99; ++n) test::write_bytes(untitled_path(f.user.path(), n, QStringLiteral("CSS")), "");
        QVERIFY(!f.files().new_document(QStringLiteral("CSS")));
        QCOMPARE(f.ws->documents.count(), 2);
        QVERIFY(f.dialogs.messages.last().text.contains(QStringLiteral("New File 99")));
    }

    void document_numbers_are_reused_and_run_out() {
        DocumentSet set;
        for (int n = 1; n <= DocumentSet::max_documents; ++n) QCOMPARE(set.add(QStringLiteral("/d/%1.htm").arg(n)), n);
        QCOMPARE(set.free_number(), 0);
        QCOMPARE(set.add(QStringLiteral("/d/one-too-many.htm")), 0);
        set.activate(9);
        set.remove(7);
        QCOMPARE(set.free_number(), 7);
        // The active document stays the same one when one before it goes.
        QCOMPARE(set.active_index(), 8);
        QCOMPARE(set.active()->number(), 9);
        set.remove(8);
        QVERIFY(!set.active());
    }

    void save_keeps_encoding_and_line_ends() {
        SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "caf\xE9\nend\n");  // Windows-1252, LF
        f.files().open_document(page, false);
        f.editor().set_selection(3, 0);
        f.type(QStringLiteral("<br>\n"));
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(read_bytes(page), QByteArray("caf<br>\n\xE9\nend\n"));
        QVERIFY(!f.changed());
        QVERIFY(f.dialogs.file_requests.isEmpty());
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.ws->recent.entry(0), page);
    }

    void a_character_the_legacy_encoding_cannot_hold_is_asked_about_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("on_disk");
        QTest::newRow("OK saves as UTF-8") << int(Answer::Ok) << QByteArray("\xE4\xB8\xAD" "caf\xC3\xA9");
        QTest::newRow("Cancel writes nothing and keeps the change") << int(Answer::Cancel) << QByteArray("caf\xE9");
    }
    void a_character_the_legacy_encoding_cannot_hold_is_asked_about() {
        QFETCH(int, answer);
        QFETCH(QByteArray, on_disk);
        SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "caf\xE9");  // Windows-1252
        f.files().open_document(page, false);
        f.type(QString(QChar(0x4E2D)));
        f.dialogs.answers = {Answer(answer)};
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].buttons, Buttons::OkCancel);
        QVERIFY(f.dialogs.messages[0].text.contains(QStringLiteral("U+4E2D on line 1")));
        QCOMPARE(read_bytes(page), on_disk);
        QCOMPARE(f.changed(), answer == int(Answer::Cancel));
        // Once UTF-8, the document is saved as UTF-8 without asking again; kept in Windows-1252, it asks.
        f.type(QStringLiteral("!"));
        f.dialogs.answers = {Answer::Cancel};
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(f.dialogs.messages.size(), answer == int(Answer::Ok) ? 1 : 2);
        QVERIFY(!read_bytes(page).contains('?'));
    }

    void untitled_documents_save_through_the_dialog() {
        SessionFixture f;
        f.start();
        f.files().new_document(QStringLiteral("HTM"));
        test::write_bytes(f.active_path(), "on disk");
        f.type(QStringLiteral("<P>new</P>"));
        const QString chosen = f.docs.filePath(QStringLiteral("index.htm"));
        f.dialogs.files = {chosen + QLatin1Char('*')};
        f.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(f.dialogs.file_requests.size(), 1);
        QCOMPARE(f.dialogs.file_requests[0].mode, FileDialogMode::Save);
        QCOMPARE(f.dialogs.file_requests[0].filters.first(), QStringLiteral("HTML Files (*.HTM* *.htm*)"));
        QCOMPARE(read_bytes(chosen), QByteArray("<P>new</P>"));
        QCOMPARE(f.active_path(), chosen);
        QCOMPARE(f.view.caption, QStringLiteral("Tamsel2001 : ") + chosen.toUpper());
        QCOMPARE(f.view.tabs.value(0), QStringLiteral("INDEX.HTM"));
    }

    void save_as_moves_the_document_and_template_save_does_not() {
        SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("Page.htm"), "<P>");
        f.files().open_document(page, false);
        f.type(QStringLiteral("x"));
        f.dialogs.files = {page};
        f.dispatch(QStringLiteral("ID_SaveasHTMLTemplate"));
        QCOMPARE(read_bytes(f.user.filePath(QStringLiteral("templates/PAGE.tpl"))), QByteArray("x<P>"));
        QCOMPARE(f.dialogs.file_requests.last().directory, f.user.filePath(QStringLiteral("templates")));
        QCOMPARE(f.active_path(), page);
        QVERIFY(f.changed());
        QCOMPARE(f.ws->documents.active_type(), static_cast<int>(doc_html));
        QCOMPARE(read_bytes(page), QByteArray("<P>"));

        const QString style = f.docs.filePath(QStringLiteral("style.css"));
        f.dialogs.files = {style};
        f.dispatch(QStringLiteral("ID_File_SaveAs"));
        QCOMPARE(read_bytes(style), QByteArray("x<P>"));
        QCOMPARE(f.active_path(), style);
        QCOMPARE(f.ws->documents.active_type(), static_cast<int>(doc_css));
        QCOMPARE(f.ws->recent.entry(0), style);
    }

    void a_failed_save_leaves_the_old_file_and_the_change_data() {
        QTest::addColumn<bool>("save_as");
        QTest::newRow("save into a read-only folder") << false;
        QTest::newRow("save as into a missing folder") << true;
    }
    void a_failed_save_leaves_the_old_file_and_the_change() {
        QFETCH(bool, save_as);
        SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "old");
        f.files().open_document(page, false);
        f.type(QStringLiteral("new "));
        const QString target = save_as ? f.docs.filePath(QStringLiteral("missing/page.htm")) : page;
        f.dialogs.files = {target};
        if (!save_as) QFile::setPermissions(f.docs.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool saved = f.files().save_document(save_as ? SaveKind::save_as : SaveKind::save);
        QFile::setPermissions(f.docs.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (saved && !save_as) QSKIP("a read-only folder can still be written here (running as root)");
        QVERIFY(!saved);
        QCOMPARE(read_bytes(page), QByteArray("old"));
        QCOMPARE(f.active_path(), page);
        QVERIFY(f.changed());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.startsWith(target + QStringLiteral(": ")));
        QCOMPARE(f.dialogs.messages[0].icon, Icon::Exclamation);
    }

    void close_follows_the_answer_to_the_prompt_data() {
        QTest::addColumn<QList<int>>("answers");  // Answer values, then -1 for a cancelled save dialog
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("on_disk");
        QTest::newRow("yes saves and closes") << QList<int>{int(Answer::Yes)} << true << QByteArray("edit old");
        QTest::newRow("no closes without saving") << QList<int>{int(Answer::No)} << true << QByteArray("old");
        QTest::newRow("cancel keeps it open") << QList<int>{int(Answer::Cancel)} << false << QByteArray("old");
        QTest::newRow("yes with a cancelled save keeps it open") << QList<int>{int(Answer::Yes), -1} << false << QByteArray();
    }
    void close_follows_the_answer_to_the_prompt() {
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        QFETCH(QByteArray, on_disk);
        SessionFixture f;
        f.start();
        const bool untitled = answers.contains(-1);
        if (untitled) f.files().new_document(QStringLiteral("HTM"));
        else f.files().open_document(f.doc(QStringLiteral("page.htm"), "old"), false);
        const QString path = f.active_path();
        f.type(QStringLiteral("edit "));
        f.dialogs.answers = {Answer(answers[0])};
        if (untitled) f.dialogs.files = {std::nullopt};
        f.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("Tamsel 2001 - Web Development Reriz"));
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("'%1 ' has been changed.\r\nDo you want to save the changes?").arg(path));
        QCOMPARE(f.ws->documents.count(), closed ? 0 : 1);
        QCOMPARE(f.ws->window.close_cancelled, !closed);
        if (!closed) QVERIFY(f.changed());
        QCOMPARE(read_bytes(path), on_disk);
        if (closed) QCOMPARE(f.view.caption, QStringLiteral("Tamsel2001"));
    }

    void closing_the_active_document_activates_the_first() {
        SessionFixture f;
        f.start();
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) f.files().open_document(f.doc(QLatin1String(name), name), false);
        const int number_of_c = f.ws->documents.active()->number();
        f.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(QFileInfo(f.active_path()).fileName(), QStringLiteral("a.htm"));
        QCOMPARE(f.editor().text(), QStringLiteral("a.htm"));
        // A new document takes the number the closed one freed.
        f.files().new_document(QStringLiteral("TXT"));
        QCOMPARE(f.ws->documents.active()->number(), number_of_c);
    }

    void recent_files_reopen_and_forget_data() {
        QTest::addColumn<bool>("gone");
        QTest::newRow("an entry reopens its file") << false;
        QTest::newRow("a vanished entry is dropped, not swapped") << true;
    }
    void recent_files_reopen_and_forget() {
        QFETCH(bool, gone);
        SessionFixture f;
        f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "a");
        const QString b = f.doc(QStringLiteral("b.htm"), "b");
        f.dialogs.files = {a, b};
        f.dispatch(QStringLiteral("id_File_Open"));
        f.dispatch(QStringLiteral("id_File_Open"));
        QCOMPARE(f.dialogs.file_requests[0].filters.size(), 7);
        f.dispatch(QStringLiteral("ID_File_Close"));
        f.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(f.ws->recent.entry(0), b);
        if (gone) QFile::remove(a);
        f.dispatch(QStringLiteral("ID_RECENTFILE2"));  // ids of recent items are matched without regard to case
        QCOMPARE(f.ws->documents.count(), gone ? 0 : 1);
        QCOMPARE(f.ws->recent.entry(0), gone ? b : a);
        QCOMPARE(f.ws->recent.entry(1), gone ? QString() : b);
        QCOMPARE(f.dialogs.messages.size(), gone ? 1 : 0);
        // An id of no command and no recent item does nothing.
        f.dispatch(QStringLiteral("id_Menu_Close"));
        f.dispatch(QStringLiteral("id_RecentFile8"));
        QCOMPARE(f.ws->documents.count(), gone ? 0 : 1);
    }
};

TAMSEL_TEST(DocumentsTest)
#include "documents_test.moc"
