// The previews show the document's own file with the current text; the user's saved file is put back
// whenever no preview needs the text any more.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app/preview_pane_widget.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;
using test::AppFixture;
using test::read_bytes;

namespace {

// A window with page.htm ("saved" on disk) open and edited to "edited saved".
struct Previewed : AppFixture {
    QString page;
    QString backup;
    MasterWindow* w = nullptr;

    Previewed() {
        set("autotracker", QStringLiteral("1"));
        w = &start();
        page = doc(QStringLiteral("page.htm"), "saved");
        backup = docs.filePath(QStringLiteral("page.ht$"));
        w->documents().open_document(page, false);
        w->editor().replace_selection(QStringLiteral("edited "));
    }
    bool untouched() const { return read_bytes(page) == "saved" && !QFile::exists(backup); }
    bool previewing() const { return read_bytes(page) == read_bytes_text() && read_bytes(backup) == "saved"; }
    QByteArray read_bytes_text() const { return w->editor().text().toUtf8(); }
};

// A browser that, while it runs, looks at the files.
class WatchingDialogs : public ScriptedDialogs {
public:
    std::function<void()> while_running;
    bool start_program(const QString& program, const QStringList& arguments, bool wait) override {
        if (while_running) while_running();
        return ScriptedDialogs::start_program(program, arguments, wait);
    }
};

}  // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_way_out_of_the_preview_puts_the_file_back_data() {
        QTest::addColumn<QString>("into");
        QTest::addColumn<QString>("out");
        QTest::newRow("split screen off") << "ID_PreviewinTamselWindow" << "ID_PreviewinTamselWindow";
        QTest::newRow("full screen toggled off") << "id_FullScreen" << "id_FullScreen";
        QTest::newRow("full screen left by View Source") << "id_FullScreen" << "ID_ViewSource";
        QTest::newRow("another document becomes active") << "ID_PreviewinTamselWindow" << "id_File_New";
        QTest::newRow("the document is closed") << "ID_PreviewinTamselWindow" << "ID_File_Close";
        QTest::newRow("the program ends") << "id_FullScreen" << "";
    }
    void every_way_out_of_the_preview_puts_the_file_back() {
        QFETCH(QString, into);
        QFETCH(QString, out);
        Previewed f;
        QVERIFY(f.untouched());
        f.w->dispatch(into);
        QVERIFY(f.previewing());
        QCOMPARE(f.w->preview_pane().shown_path(), f.page);
        QVERIFY(f.w->preview_pane().isVisible());
        f.dialogs.answers = {Answer::No};
        if (out.isEmpty()) {
            f.window.reset();
        } else {
            f.w->dispatch(out);
        }
        QVERIFY(f.untouched());
    }

    void typing_follows_in_the_split_preview() {
        Previewed f;
        f.w->dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        f.w->editor().set_selection(0, 0);
        QTest::keyClick(&f.w->editor(), Qt::Key_A);
        QTest::keyClick(&f.w->editor(), Qt::Key_Return);  // the check runs before the line break goes in
        QCOMPARE(read_bytes(f.page), QByteArray("aedited saved"));
        QTest::keyClick(&f.w->editor(), Qt::Key_B);
        QCOMPARE(read_bytes(f.page), QByteArray("aedited saved"));
        f.w->tracking_check();  // the timer's tick
        QVERIFY(f.previewing());
        f.w->dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        QVERIFY(f.untouched());
    }

    void a_save_while_previewing_is_what_stays() {
        Previewed f;
        f.w->dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        f.w->dispatch(QStringLiteral("id_File_Save"));
        f.w->editor().replace_selection(QStringLiteral("more "));
        f.w->tracking_check();
        QCOMPARE(read_bytes(f.page), QByteArray("edited more saved"));
        f.w->dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        QCOMPARE(read_bytes(f.page), QByteArray("edited saved"));
        QVERIFY(!QFile::exists(f.backup));
    }

    void an_untitled_preview_leaves_no_file() {
        Previewed f;
        f.w->documents().new_document(QStringLiteral("HTM"));
        const QString untitled = f.w->documents().active()->path;
        f.w->editor().replace_selection(QStringLiteral("<P>draft"));
        f.w->dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        QCOMPARE(read_bytes(untitled), QByteArray("<P>draft"));
        f.w->dispatch(QStringLiteral("ID_PreviewinTamselWindow"));
        QVERIFY(!QFile::exists(untitled));
    }

    void an_external_browser_sees_the_text_and_leaves_the_file() {
        AppFixture f;
        WatchingDialogs dialogs;
        f.ws = std::make_unique<Workspace>(f.ws->paths, dialogs, f.store);
        f.set("use_ie", QStringLiteral("1"));
        const QString browser = f.doc(QStringLiteral("browser"), "");
        f.set("ie_path", browser);
        MasterWindow& w = f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "saved");
        w.documents().open_document(page, false);
        w.editor().replace_selection(QStringLiteral("edited "));
        QByteArray during;
        bool input_during = true;
        dialogs.while_running = [&] {
            during = read_bytes(page);
            input_during = w.centralWidget()->isEnabled();
        };
        w.dispatch(QStringLiteral("ID_ViewinInternetExplorer"));
        QCOMPARE(dialogs.programs.size(), 1);
        QCOMPARE(dialogs.programs[0].program, browser);
        QCOMPARE(dialogs.programs[0].arguments, QStringList{page});
        QVERIFY(dialogs.programs[0].wait);
        QCOMPARE(during, QByteArray("edited saved"));
        QVERIFY(!input_during);
        QVERIFY(w.centralWidget()->isEnabled());
        QCOMPARE(read_bytes(page), QByteArray("saved"));
        QVERIFY(!QFile::exists(f.docs.filePath(QStringLiteral("page.ht$"))));
        QVERIFY(f.ws->window.doc_changed);
    }
};

TAMSEL_TEST(PreviewWindowTest)
#include "preview_window_test.moc"
