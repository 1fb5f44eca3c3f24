// "Cleanup HTML Code" in the session: the page laid out in place of the text as one undo step, the error
// list in between, the progress panel, and the user's file never touched.
#include "analyze/page_cleanup.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;
using test::SessionFixture;

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

class CleanupCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_page_is_replaced_as_one_undo_step_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("LF line ends") << correct_page;
        QTest::newRow("CR LF line ends") << QByteArray(correct_page).replace("\n", "\r\n");
    }
    void the_page_is_replaced_as_one_undo_step() {
        QFETCH(QByteArray, page);
        SessionFixture f;
        f.start();
        const QString path = f.doc(QStringLiteral("hello.htm"), page);
        QVERIFY(f.files().open_document(path, false));
        RecordingListener progress;
        f.ws->progress.set_listener(&progress);
        f.dispatch(cleanup_id);
        f.ws->progress.set_listener(nullptr);

        const QString expected = cleaned(*f.ws, page, path);
        QCOMPARE(f.editor().text(), expected);
        QVERIFY(f.changed());
        QCOMPARE(f.editor().colour_runs(), test::coloured_runs(expected, f.ws->config));
        QCOMPARE(progress.captions, (QStringList{"Cleanup HTML Code", "Cleanup", "Update Syntax Highlight"}));
        QCOMPARE(f.error_list.shown.size(), 1);  // the warning was shown; "Ignore Errors" went on
        // The analysis read the text in memory; no file was written, the user's is as it was.
        QVERIFY(QDir(f.temp.path()).isEmpty());
        QCOMPARE(test::read_bytes(path), page);
        f.editor().undo();
        QCOMPARE(f.editor().text(), QString::fromUtf8(page));
        QVERIFY(!f.editor().can_undo());
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
        SessionFixture f;
        f.start();
        const QString path = f.doc(QStringLiteral("fish.htm"), faulty_page);
        QVERIFY(f.files().open_document(path, false));
        f.error_list.answers.push_back(ErrorListAnswer(answer));
        f.dispatch(cleanup_id);

        QCOMPARE(f.error_list.shown.size(), 1);
        const ErrorListRequest& shown = f.error_list.shown[0];
        QCOMPARE(shown.error_count, QStringLiteral("0001"));
        QCOMPARE(shown.rows.size(), 1);
        QCOMPARE(shown.rows[0].cells, (QStringList{"0002", "Undefined special character '&CHIPS;'", ""}));
        QCOMPARE(f.editor().text(), formatted ? cleaned(*f.ws, faulty_page, path) : QString::fromUtf8(faulty_page));
        QCOMPARE(f.changed(), formatted);
        QCOMPARE(f.editor().can_undo(), formatted);
    }

    void a_page_laid_out_already_stays_as_it_is() {
        SessionFixture f;
        f.start();
        const QByteArray page = cleaned(*f.ws, correct_page, QStringLiteral("/x/hello.htm")).toUtf8();
        QVERIFY(f.files().open_document(f.doc(QStringLiteral("hello.htm"), page), false));
        f.dispatch(cleanup_id);
        QCOMPARE(f.editor().text(), QString::fromUtf8(page));
        QVERIFY(!f.changed());
        QVERIFY(!f.editor().can_undo());
    }

};

TAMSEL_TEST(CleanupCommandTest)
#include "cleanup_command_test.moc"
