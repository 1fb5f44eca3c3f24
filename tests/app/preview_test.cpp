// The previews show the editor's text without ever writing, renaming or deleting anything in the user's
// folders: the panes are served from memory, an external browser gets the saved file or a private copy.
#include "app/preview.h"
#include "core/document_kinds.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTest>

using namespace tamsel;
using test::read_bytes;
using test::SessionFixture;

namespace {

// Every file and folder below dir with its size, time stamp and content.
QStringList listing(const QString& dir) {
    QStringList rows;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString hash = info.isFile()
            ? QString::fromLatin1(QCryptographicHash::hash(read_bytes(info.filePath()), QCryptographicHash::Sha1).toHex())
            : QString();
        rows << QStringLiteral("%1 %2 %3 %4").arg(info.filePath()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch()).arg(hash);
    }
    rows.sort();
    return rows;
}

// A session with page.htm ("saved" on disk, next to a picture) open and edited to "edited saved".
struct Previewed : SessionFixture {
    QString page;
    QStringList before;

    Previewed() {
        set("autotracker", QStringLiteral("1"));
        start();
        page = doc(QStringLiteral("page.htm"), "saved");
        doc(QStringLiteral("img/pic.png"), "\x89PNG");
        files().open_document(page, false);
        type(QStringLiteral("edited "));
        before = listing(docs.path()) + listing(user.path());
    }
    bool untouched() const { return listing(docs.path()) + listing(user.path()) == before; }
    // What the pane would get for the document's own address.
    QByteArray served() const {
        const Preview& p = session->preview();
        return p.source().serve(preview_url(p.address_of(*ws->documents.active()))).body;
    }
};

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void no_preview_touches_the_users_folders_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("split screen on and off") << QStringList{"ID_PreviewinTamselWindow", "ID_PreviewinTamselWindow"};
        QTest::newRow("full screen on and off") << QStringList{"id_FullScreen", "id_FullScreen"};
        QTest::newRow("full screen left by View Source") << QStringList{"id_FullScreen", "ID_ViewSource"};
        QTest::newRow("refresh while shown") << QStringList{"ID_PreviewinTamselWindow", "ID_RefreshSplitScreen"};
        QTest::newRow("another document becomes active") << QStringList{"ID_PreviewinTamselWindow", "id_File_New"};
        QTest::newRow("the document is closed unsaved") << QStringList{"ID_PreviewinTamselWindow", "ID_File_Close"};
    }
    void no_preview_touches_the_users_folders() {
        QFETCH(QStringList, commands);
        Previewed f;
        f.dialogs.answers = {Answer::No};
        for (const QString& id : commands) f.dispatch(id);
        QVERIFY(f.untouched());
        QVERIFY(QDir(f.docs.path()).entryList(QDir::Files).contains(QStringLiteral("page.htm")));
    }

    void the_pane_shows_the_current_text_at_the_documents_address() {
        Previewed f;
        f.dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        QCOMPARE(f.view.previews.size(), 1);
        QCOMPARE(f.view.previews.last(), preview_url(f.page));
        QCOMPARE(f.served(), QByteArray("edited saved"));
        // Links resolve in the document's folder.
        const QUrl picture = f.view.previews.last().resolved(QUrl(QStringLiteral("img/pic.png")));
        QCOMPARE(f.session->preview().source().serve(picture).body, QByteArray("\x89PNG"));
        // Typing follows at the tracking check (the timer's tick, or Enter).
        f.type(QStringLiteral("more "));
        QVERIFY(f.session->tracking_check());
        QCOMPARE(f.served(), QByteArray("edited more saved"));
        QCOMPARE(f.view.previews.size(), 2);
        QVERIFY(!f.session->tracking_check());  // nothing new since
        QVERIFY(f.untouched());
    }

    // Opening, switching and closing: the pane shows the active document, and nothing once none is left.
    void the_pane_follows_the_active_document() {
        Previewed f;
        f.dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        const QString other = f.doc(QStringLiteral("other.htm"), "other");
        QVERIFY(f.files().open_document(other, false));
        QCOMPARE(f.view.previews.last(), preview_url(other));
        f.files().activate_document(1, Activate::shown);
        QCOMPARE(f.view.previews.last(), preview_url(f.page));
        f.dialogs.answers = {Answer::No};
        f.dispatch(QStringLiteral("ID_File_Close"));  // page.htm, edited and not saved
        QCOMPARE(f.view.previews.last(), preview_url(other));
        f.dispatch(QStringLiteral("ID_File_Close"));
        QCOMPARE(f.view.previews.last(), QUrl(QStringLiteral("about:blank")));
    }

    void an_untitled_document_is_placed_in_the_start_folder() {
        Previewed f;
        f.files().new_document(QStringLiteral("HTM"));
        f.type(QStringLiteral("<P>draft <IMG SRC=img/pic.png>"));
        f.dispatch(QStringLiteral("id_FullScreen"));
        const QString address = f.docs.path() + QStringLiteral("/New File 01.HTM");
        QCOMPARE(f.view.previews.last(), preview_url(address));
        QCOMPARE(f.served(), QByteArray("<P>draft <IMG SRC=img/pic.png>"));
        QVERIFY(f.untouched());
        QVERIFY(!QFile::exists(address));
        QVERIFY(!QFile::exists(f.ws->documents.active()->path));
    }

    void an_external_browser_gets_the_file_or_a_private_copy_data() {
        QTest::addColumn<bool>("save_first");
        QTest::newRow("unchanged: the saved file itself") << true;
        QTest::newRow("changed: a copy with the folder as base") << false;
    }
    void an_external_browser_gets_the_file_or_a_private_copy() {
        QFETCH(bool, save_first);
        Previewed f;
        const QString browser = f.doc(QStringLiteral("browser"), "");
        f.ws->config.set_value(use_ie, QStringLiteral("1"));
        f.ws->config.set_value(ie_path, browser);
        if (save_first) f.dispatch(QStringLiteral("id_File_Save"));
        const QStringList before = listing(f.docs.path()) + listing(f.user.path());
        f.dispatch(QStringLiteral("ID_ViewinInternetExplorer"));
        QCOMPARE(f.dialogs.programs.size(), 1);
        QCOMPARE(f.dialogs.programs[0].program, browser);
        QVERIFY(f.dialogs.programs[0].wait);
        QVERIFY(f.view.input_enabled);
        const QString shown = f.dialogs.programs[0].arguments.value(0);
        if (save_first) {
            QCOMPARE(shown, f.page);
        } else {
            QVERIFY(shown.startsWith(f.temp.path() + QLatin1Char('/')));
            QVERIFY(read_bytes(shown).contains("edited saved"));
            QVERIFY(read_bytes(shown).contains(QUrl::fromLocalFile(f.docs.path() + QLatin1Char('/')).toEncoded()));
            QVERIFY(f.changed());
        }
        QCOMPARE(listing(f.docs.path()) + listing(f.user.path()), before);
    }
};

TAMSEL_TEST(PreviewTest)
#include "preview_test.moc"
