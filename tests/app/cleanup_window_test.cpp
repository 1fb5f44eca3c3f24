// "Cleanup HTML Code" in the editor: the page laid out in place of the text as one undo step, the error
// list in between, the progress panel, and the user's file never touched.
#include "analyze/page_cleanup.h"
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QTest>
#include <QTimer>

using namespace tamsel;
using test::AppFixture;

namespace {

const QString cleanup_id = QStringLiteral("id_Cleanup_HTML_Code");
// No error, one warning (the unquoted value).
const QByteArray correct_page = "<HTML><BODY><P>Hello <B>you</B> <A HREF=a.htm>there</A>\n</BODY></HTML>\n";
// An unknown entity: an error.
const QByteArray faulty_page = "<HTML><BODY>\n<P>Fish &chips;\n</BODY></HTML>\n";

class RecordingListener : public ProgressListener {
public:
    void progress_opened(int slot, const QString& caption, bool) override {
        if (slot == 0) captions << caption;
    }
    void progress_changed(int, int) override {}
    void progress_closed() override {}
    QStringList captions;
};

// The page as a cleanup lays it out, in the line ends of the file.
QString cleaned(const Workspace& ws, const QByteArray& page, const QString& path) {
    QString text = clean_page(QString::fromUtf8(page), path, ws.db, ws.config);
    if (!page.contains("\r\n")) text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

class CleanupWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_page_is_replaced_as_one_undo_step_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("LF line ends") << correct_page;
        QTest::newRow("CR LF line ends") << QByteArray(correct_page).replace("\n", "\r\n");
    }
    void the_page_is_replaced_as_one_undo_step() {
        QFETCH(QByteArray, page);
        AppFixture f;
        MasterWindow& w = f.start();
        const QString path = f.doc(QStringLiteral("hello.htm"), page);
        QVERIFY(w.documents().open_document(path, false));
        RecordingListener progress;
        f.ws->progress.set_listener(&progress);
        w.dispatch(cleanup_id);
        f.ws->progress.set_listener(nullptr);

        const QString expected = cleaned(*f.ws, page, path);
        QCOMPARE(w.editor().text(), expected);
        QVERIFY(f.ws->window.doc_changed);
        QCOMPARE(w.editor().colour_runs(), test::coloured_runs(expected, f.ws->config));
        QCOMPARE(progress.captions, (QStringList{"Cleanup HTML Code", "Cleanup", "Update Syntax Highlight"}));
        QCOMPARE(f.dialogs.error_lists.size(), 1);  // the warning was shown; "Ignore Errors" went on
        // The analysis read its own copy; the file is as it was.
        QCOMPARE(test::read_bytes(f.ws->paths.analysis_scratch(1)), page);
        QCOMPARE(test::read_bytes(path), page);
        w.editor().undo();
        QCOMPARE(w.editor().text(), QString::fromUtf8(page));
        QVERIFY(!w.editor().can_undo());
    }

    void the_error_list_decides_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("formatted");
        QTest::newRow("Ignore Errors") << int(ErrorListAnswer::IgnoreErrors) << true;
        QTest::newRow("Cancel") << int(ErrorListAnswer::Cancel) << false;
    }
    void the_error_list_decides() {
        QFETCH(int, answer);
        QFETCH(bool, formatted);
        AppFixture f;
        MasterWindow& w = f.start();
        const QString path = f.doc(QStringLiteral("fish.htm"), faulty_page);
        QVERIFY(w.documents().open_document(path, false));
        f.dialogs.error_list_answers.push_back(ErrorListAnswer(answer));
        w.dispatch(cleanup_id);

        QCOMPARE(f.dialogs.error_lists.size(), 1);
        const ErrorListRequest& shown = f.dialogs.error_lists[0];
        QCOMPARE(shown.error_count, QStringLiteral("0001"));
        QCOMPARE(shown.rows.size(), 1);
        QCOMPARE(shown.rows[0].cells, (QStringList{"0002", "Undefined special character '&CHIPS;'", ""}));
        QCOMPARE(w.editor().text(), formatted ? cleaned(*f.ws, faulty_page, path) : QString::fromUtf8(faulty_page));
        QCOMPARE(f.ws->window.doc_changed, formatted);
        QCOMPARE(w.editor().can_undo(), formatted);
    }

    void a_page_laid_out_already_stays_as_it_is() {
        AppFixture f;
        MasterWindow& w = f.start();
        const QByteArray page = cleaned(*f.ws, correct_page, QStringLiteral("/x/hello.htm")).toUtf8();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("hello.htm"), page), false));
        w.dispatch(cleanup_id);
        QCOMPARE(w.editor().text(), QString::fromUtf8(page));
        QVERIFY(!f.ws->window.doc_changed);
        QVERIFY(!w.editor().can_undo());
    }

    void a_cleanup_asked_for_while_one_runs_beeps() {
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("hello.htm"), correct_page), false));
        bool busy = false;
        QTimer::singleShot(0, &w, [&] {
            busy = f.ws->window.tabs_updating;
            w.dispatch(cleanup_id);
        });
        w.dispatch(cleanup_id);
        QVERIFY(busy);
        QCOMPARE(f.dialogs.beeps, 1);
        QCOMPARE(f.dialogs.error_lists.size(), 1);  // one cleanup ran
    }
};

TAMSEL_TEST(CleanupWindowTest)
#include "cleanup_window_test.moc"
