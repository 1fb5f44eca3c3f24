// "Import TEXT File" and "Import RTF File" in the session: the file asked for with its filter, the page
// inserted at the caret as one undo step with the progress panel showing, Escape inserting nothing, and a
// file that is no RTF named in a message.
#include "import/import_commands.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

class ProgressRecord : public ProgressListener {
public:
    QStringList captions;
    int last_percent = -1;
    std::function<void()> on_change;
    void progress_opened(int, const QString& caption, bool) override { captions << caption; }
    void progress_changed(int, int percent) override {
        last_percent = percent;
        if (on_change) on_change();
    }
    void progress_closed() override {}
};

struct ImportFixture : test::SessionFixture {
    ProgressRecord progress;
    ImportFixture() {
        start();
        ws->progress.set_listener(&progress);
    }
    ~ImportFixture() { ws->progress.set_listener(nullptr); }
    // An open page whose caret stands between its two lines.
    void open_page() {
        QVERIFY(files().open_document(doc(QStringLiteral("p.htm"), "before\r\nafter\r\n"), false));
        editor().set_selection(8, 0);
        progress.captions.clear();  // the colouring of the page opened
    }
};

const QByteArray rtf_file = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b Hi\\b0  there\\par}";

}  // namespace

class ImportCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commands_are_enabled_with_a_document() {
        ImportFixture f;
        QVERIFY(!f.ws->commands.enabled(QStringLiteral("ID_ImportRTFFile")));
        f.open_page();
        f.session->update_command_states();
        QVERIFY(f.ws->commands.enabled(QStringLiteral("ID_ImportRTFFile")));
        QVERIFY(f.ws->commands.enabled(QStringLiteral("ID_ImportTEXTFile")));
    }

    void page_goes_in_at_the_caret_as_one_step_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("text") << "ID_ImportTEXTFile" << "notes.txt" << QByteArray("a & b\n\nc") << "Text Files"
                              << "Importing Text File"
                              << "<html>\r\n<head>\r\n</head>\r\n<body>\r\n<style>\r\nbody {font: 10pt courier,sans-serif;}\r\n"
                                 "</style>\r\na &amp; b<BR>\r\nc<BR>\r\n</body></html>\r\n";
        QTest::newRow("rtf") << "ID_ImportRTFFile" << "notes.rtf" << rtf_file << "RTF Document Files" << "Importing RTF File"
                             << "<html>\r\n<head>\r\n</head>\r\n<body>\r\n<font face=\"Arial\" size=2 color=\"#000000\">"
                                "<b>Hi</b> there<br>\r\n</body></html>\r\n";
    }
    void page_goes_in_at_the_caret_as_one_step() {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, filter);
        QFETCH(QString, caption);
        QFETCH(QString, inserted);
        ImportFixture f;
        f.open_page();
        f.dialogs.files.push_back(f.doc(file, bytes));
        f.dispatch(command);

        QCOMPARE(f.dialogs.file_requests.size(), 1);
        QVERIFY(f.dialogs.file_requests[0].filters.value(0).startsWith(filter));
        QCOMPARE(f.editor().text(), "before\r\n" + inserted + "after\r\n");
        QCOMPARE(f.editor().selection_start(), 8 + inserted.size());  // the caret after the page
        QVERIFY(f.changed());
        QCOMPARE(f.progress.captions.value(0), caption);  // then the page is coloured
        QCOMPARE(f.progress.last_percent, 100);
        QVERIFY(!f.ws->window.tabs_updating);  // the panel closed
        f.editor().undo();
        QCOMPARE(f.editor().text(), QStringLiteral("before\r\nafter\r\n"));
    }

    void cancel_does_nothing() {
        ImportFixture f;
        f.open_page();
        f.dispatch(QStringLiteral("ID_ImportRTFFile"));  // no file given: the dialog is cancelled
        QCOMPARE(f.dialogs.file_requests.size(), 1);
        QCOMPARE(f.editor().text(), QStringLiteral("before\r\nafter\r\n"));
        QVERIFY(!f.changed() && f.progress.captions.isEmpty() && f.dialogs.messages.isEmpty());
    }

    void escape_stops_with_nothing_inserted() {
        ImportFixture f;
        f.open_page();
        f.ws->window.stop_request = true;  // left over from an earlier operation: forgotten at the start
        const QByteArray big = "{\\rtf1 " + QByteArray("a line of text\\par\r\n").repeated(2000) + "}";
        f.dialogs.files.push_back(f.doc(QStringLiteral("big.rtf"), big));
        f.progress.on_change = [&f] {
            if (f.progress.last_percent >= 20) f.session->request_stop();
        };
        f.dispatch(QStringLiteral("ID_ImportRTFFile"));

        QVERIFY(f.progress.last_percent >= 20 && f.progress.last_percent < 100);
        QCOMPARE(f.editor().text(), QStringLiteral("before\r\nafter\r\n"));
        QVERIFY(!f.changed() && !f.editor().can_undo());
        QVERIFY(!f.ws->window.tabs_updating);
    }

    void file_that_cannot_be_imported_is_named_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        QTest::newRow("not rtf") << "ID_ImportRTFFile" << true << "is not an RTF document";
        QTest::newRow("missing") << "ID_ImportTEXTFile" << false << "Cannot read";
    }
    void file_that_cannot_be_imported_is_named() {
        QFETCH(QString, command);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        ImportFixture f;
        f.open_page();
        const QString path = exists ? f.doc(QStringLiteral("letter.doc"), "PK\x03\x04 zipped") : f.docs.filePath("gone.txt");
        f.dialogs.files.push_back(path);
        f.dispatch(command);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].text.contains(path) && f.dialogs.messages[0].text.contains(message),
                 qPrintable(f.dialogs.messages[0].text));
        QCOMPARE(f.editor().text(), QStringLiteral("before\r\nafter\r\n"));
        QVERIFY(!f.changed());
    }
};

TAMSEL_TEST(ImportCommandTest)
#include "import_command_test.moc"
