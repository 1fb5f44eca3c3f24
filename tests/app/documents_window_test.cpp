// Documents in the main window: open, switch, save, save as, template save, close and the recent list.
#include "app/dispatcher.h"
#include "app/document_kinds.h"
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QFileInfo>
#include <QTabBar>
#include <QTest>

using namespace tamsel;
using test::AppFixture;
using test::read_bytes;

namespace {

QString active_path(MasterWindow& w) { return w.documents().active() ? w.documents().active()->path : QString(); }

}  // namespace

class DocumentsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void switching_keeps_text_caret_and_colours() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "<B>bold</B> one");
        const QString b = f.doc(QStringLiteral("b.txt"), "plain two");
        QVERIFY(w.documents().open_document(a, false));
        w.editor().set_selection(3, 4);
        const QList<ColourRun> coloured = w.editor().colour_runs();
        QCOMPARE(coloured.first().colour, static_cast<ColourValue>(16711935));  // the tag colour
        w.editor().replace_selection(QStringLiteral("BOLD"));
        QVERIFY(w.documents().open_document(b, false));
        QCOMPARE(f.ws->window.active_type, static_cast<int>(doc_text));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tamsel2001 : ") + b.toUpper());
        // The document put aside waits in its scratch file in the private folder.
        QVERIFY(QFile::exists(f.ws->paths.document_scratch(1)));
        QVERIFY(!f.ws->window.doc_changed);

        w.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(0);
        QCOMPARE(active_path(w), a);
        QCOMPARE(w.editor().text(), QStringLiteral("<B>BOLD</B> one"));
        QVERIFY(f.ws->window.doc_changed);
        QCOMPARE(w.editor().selection_start(), 7);
        QCOMPARE(w.editor().colour_runs().first(), coloured.first());
        QVERIFY(!w.editor().can_undo());  // undo never reaches into the other document
        QCOMPARE(read_bytes(a), QByteArray("<B>bold</B> one"));
    }

    void opening_an_open_file_switches_to_it() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "a");
        w.documents().open_document(a, false);
        w.documents().open_document(f.doc(QStringLiteral("b.htm"), "b"), false);
        w.documents().open_document(a, false);
        QCOMPARE(f.ws->window.doc_count, 2);
        QCOMPARE(active_path(w), a);
        QCOMPARE(w.findChild<QTabBar*>(QStringLiteral("project_strip"))->currentIndex(), 0);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("File already in use"));
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Project File : \r\n'%1'\r\nis already open").arg(a));
        QCOMPARE(f.dialogs.beeps, 1);
    }

    void untitled_names_skip_taken_ones_and_run_out() {
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().new_document(QStringLiteral("HTM")));
        test::write_bytes(untitled_path(f.user.path(), 2, QStringLiteral("HTM")), "");
        QVERIFY(w.documents().new_document(QStringLiteral("HTM")));
        QCOMPARE(QFileInfo(active_path(w)).fileName(), QStringLiteral("New File 03.HTM"));
        QCOMPARE(w.findChild<QTabBar*>(QStringLiteral("project_strip"))->tabText(1), QStringLiteral("NEW FILE 03.HTM"));
        for (int n = 1; n <= 99; ++n) test::write_bytes(untitled_path(f.user.path(), n, QStringLiteral("CSS")), "");
        QVERIFY(!w.documents().new_document(QStringLiteral("CSS")));
        QCOMPARE(f.ws->window.doc_count, 2);
        QVERIFY(f.dialogs.messages.last().text.contains(QStringLiteral("New File 99")));
    }

    void scratch_numbers_are_reused_and_run_out() {
        DocumentSet set;
        for (int n = 1; n <= DocumentSet::max_documents; ++n) {
            DocumentRecord r;
            r.scratch_number = set.free_scratch_number();
            set.add(r);
        }
        QCOMPARE(set.free_scratch_number(), 0);
        set.remove(7);
        QCOMPARE(set.free_scratch_number(), 7);
    }

    void save_keeps_encoding_and_line_ends() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "caf\xE9\nend\n");  // Windows-1252, LF
        w.documents().open_document(page, false);
        w.editor().set_selection(3, 0);
        QTest::keyClick(&w.editor(), Qt::Key_Return, Qt::ControlModifier);
        w.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(read_bytes(page), QByteArray("caf<br>\n\xE9\nend\n"));
        QVERIFY(!f.ws->window.doc_changed);
        QVERIFY(f.dialogs.file_requests.isEmpty());
        QCOMPARE(f.ws->recent.entry(0), page);
        // The analysis commands read a plain copy, which a save makes stale.
        QVERIFY(w.documents().write_scratch_copy());
        QCOMPARE(read_bytes(f.ws->paths.analysis_scratch(1)), QString::fromLatin1("caf<br>\n\xE9\nend\n").toUtf8());
        w.dispatch(QStringLiteral("id_File_Save"));
        QVERIFY(!QFile::exists(f.ws->paths.analysis_scratch(1)));
    }

    void untitled_documents_save_through_the_dialog() {
        AppFixture f;
        MasterWindow& w = f.start();
        w.documents().new_document(QStringLiteral("HTM"));
        test::write_bytes(active_path(w), "on disk");
        w.editor().replace_selection(QStringLiteral("<P>new</P>"));
        const QString chosen = f.docs.filePath(QStringLiteral("index.htm"));
        f.dialogs.files = {chosen + QLatin1Char('*')};
        w.dispatch(QStringLiteral("id_File_Save"));
        QCOMPARE(f.dialogs.file_requests.size(), 1);
        QCOMPARE(f.dialogs.file_requests[0].mode, FileDialogMode::Save);
        QCOMPARE(f.dialogs.file_requests[0].filters.first(), QStringLiteral("HTML Files (*.HTM* *.htm*)"));
        QCOMPARE(read_bytes(chosen), QByteArray("<P>new</P>"));
        QCOMPARE(active_path(w), chosen);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tamsel2001 : ") + chosen.toUpper());
        QCOMPARE(w.findChild<QTabBar*>(QStringLiteral("project_strip"))->tabText(0), QStringLiteral("INDEX.HTM"));
    }

    void save_as_moves_the_document_and_template_save_does_not() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QString page = f.doc(QStringLiteral("Page.htm"), "<P>");
        w.documents().open_document(page, false);
        w.editor().replace_selection(QStringLiteral("x"));
        f.dialogs.files = {page};
        w.dispatch(QStringLiteral("ID_SaveasHTMLTemplate"));
        QCOMPARE(read_bytes(f.user.filePath(QStringLiteral("PAGE.tpl"))), QByteArray("x<P>"));
        QCOMPARE(f.dialogs.file_requests.last().directory, f.user.path());
        QCOMPARE(active_path(w), page);
        QVERIFY(f.ws->window.doc_changed);
        QCOMPARE(f.ws->window.active_type, static_cast<int>(doc_html));
        QCOMPARE(read_bytes(page), QByteArray("<P>"));

        const QString style = f.docs.filePath(QStringLiteral("style.css"));
        f.dialogs.files = {style};
        w.dispatch(QStringLiteral("ID_File_SaveAs"));
        QCOMPARE(read_bytes(style), QByteArray("x<P>"));
        QCOMPARE(active_path(w), style);
        QCOMPARE(f.ws->window.active_type, static_cast<int>(doc_css));
        QCOMPARE(f.ws->recent.entry(0), style);
    }

    void a_failed_save_leaves_the_old_file_and_the_change_data() {
        QTest::addColumn<bool>("save_as");
        QTest::newRow("save into a read-only folder") << false;
        QTest::newRow("save as into a missing folder") << true;
    }
    void a_failed_save_leaves_the_old_file_and_the_change() {
        QFETCH(bool, save_as);
        AppFixture f;
        MasterWindow& w = f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "old");
        w.documents().open_document(page, false);
        w.editor().replace_selection(QStringLiteral("new "));
        const QString target = save_as ? f.docs.filePath(QStringLiteral("missing/page.htm")) : page;
        f.dialogs.files = {target};
        if (!save_as) QFile::setPermissions(f.docs.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool saved = w.documents().save_document(save_as);
        QFile::setPermissions(f.docs.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (saved && !save_as) QSKIP("a read-only folder can still be written here (running as root)");
        QVERIFY(!saved);
        QCOMPARE(read_bytes(page), QByteArray("old"));
        QCOMPARE(active_path(w), page);
        QVERIFY(f.ws->window.doc_changed);
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
        AppFixture f;
        MasterWindow& w = f.start();
        const bool untitled = answers.contains(-1);
        if (untitled) w.documents().new_document(QStringLiteral("HTM"));
        else w.documents().open_document(f.doc(QStringLiteral("page.htm"), "old"), false);
        const QString path = active_path(w);
        w.editor().replace_selection(QStringLiteral("edit "));
        f.dialogs.answers = {Answer(answers[0])};
        if (untitled) f.dialogs.files = {std::nullopt};
        w.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("Tamsel 2001 - Web Development Reriz"));
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("'%1 ' has been changed.\r\nDo you want to save the changes?").arg(path));
        QCOMPARE(f.ws->window.doc_count, closed ? 0 : 1);
        QCOMPARE(f.ws->window.close_cancelled, !closed);
        if (!closed) QVERIFY(f.ws->window.doc_changed);
        QCOMPARE(read_bytes(path), on_disk);
        if (closed) QCOMPARE(w.windowTitle(), QStringLiteral("Tamsel2001"));
    }

    void closing_the_active_document_activates_the_first() {
        AppFixture f;
        MasterWindow& w = f.start();
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) w.documents().open_document(f.doc(QLatin1String(name), name), false);
        const int scratch_of_c = w.documents().active()->scratch_number;
        w.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(QFileInfo(active_path(w)).fileName(), QStringLiteral("a.htm"));
        QCOMPARE(w.editor().text(), QStringLiteral("a.htm"));
        QVERIFY(!QFile::exists(f.ws->paths.document_scratch(scratch_of_c)));
        // A new document takes the number the closed one freed.
        w.documents().new_document(QStringLiteral("TXT"));
        QCOMPARE(w.documents().active()->scratch_number, scratch_of_c);
    }

    void recent_files_reopen_and_forget_data() {
        QTest::addColumn<bool>("gone");
        QTest::newRow("an entry reopens its file") << false;
        QTest::newRow("a vanished entry is dropped, not swapped") << true;
    }
    void recent_files_reopen_and_forget() {
        QFETCH(bool, gone);
        AppFixture f;
        MasterWindow& w = f.start();
        const QString a = f.doc(QStringLiteral("a.htm"), "a");
        const QString b = f.doc(QStringLiteral("b.htm"), "b");
        f.dialogs.files = {a, b};
        w.dispatch(QStringLiteral("id_File_Open"));
        w.dispatch(QStringLiteral("id_File_Open"));
        QCOMPARE(f.dialogs.file_requests[0].filters.size(), 7);
        w.dispatch(QStringLiteral("ID_File_Close"));
        w.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(f.ws->recent.entry(0), b);
        if (gone) QFile::remove(a);
        w.dispatch(QStringLiteral("ID_RECENTFILE2"));  // ids of recent items are matched without regard to case
        QCOMPARE(f.ws->window.doc_count, gone ? 0 : 1);
        QCOMPARE(f.ws->recent.entry(0), gone ? b : a);
        QCOMPARE(f.ws->recent.entry(1), gone ? QString() : b);
        QCOMPARE(f.dialogs.messages.size(), gone ? 1 : 0);
        // An id of no command and no recent item does nothing.
        w.dispatch(QStringLiteral("id_Menu_Close"));
        w.dispatch(QStringLiteral("id_RecentFile8"));
        QCOMPARE(f.ws->window.doc_count, gone ? 0 : 1);
    }
};

TAMSEL_TEST(DocumentsWindowTest)
#include "documents_window_test.moc"
