// The text import: each line escaped with "<BR>", blank lines left out, the file decoded as documents
// are; and the progress and stop request that both imports share.
#include "core/progress_model.h"
#include "import/import_file.h"
#include "import/text_import.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

const QString text_page_start = QStringLiteral(
    "<html>\n<head>\n</head>\n<body>\n<style>\nbody {font: 10pt courier,sans-serif;}\n</style>\n");
const QString page_end = QStringLiteral("</body></html>\n");

// The lines of the page of a text file's bytes, between the style block and the page end.
QString body_of(const QByteArray& bytes) {
    QString error;
    const std::optional<ImportInput> input = import_input(ImportKind::text, bytes, QStringLiteral("t.txt"), error);
    const QString page = input ? import_page(*input).value_or(QString()) : QString();
    if (!page.startsWith(text_page_start) || !page.endsWith(page_end)) return QStringLiteral("(no page) ") + page;
    return page.sliced(text_page_start.size(), page.size() - text_page_start.size() - page_end.size());
}

class StopAfter : public ProgressListener {
public:
    int changes = 0;
    int last_percent = -1;
    void progress_opened(int, const QString&, bool) override {}
    void progress_changed(int, int percent) override {
        ++changes;
        last_percent = percent;
    }
    void progress_closed() override {}
};

}  // namespace

class TextImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lines_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("body");
        QTest::newRow("ampersand_gets_amp") << QByteArray("a & b") << "a &amp; b<BR>\n";
        QTest::newRow("three_spaces_become_space_nbsp_space") << QByteArray("a   b    c") << "a &nbsp; b &nbsp; &nbsp;c<BR>\n";
        QTest::newRow("leading_spaces_are_kept") << QByteArray("  indented") << " &nbsp;indented<BR>\n";
        QTest::newRow("blank_lines_write_nothing") << QByteArray("a\r\n\r\n   \r\nb\r\n") << "a<BR>\nb<BR>\n";
        QTest::newRow("every_line_end_splits") << QByteArray("a\nb\rc\r\nd") << "a<BR>\nb<BR>\nc<BR>\nd<BR>\n";
        QTest::newRow("markup_characters_are_escaped") << QByteArray("<p class=\"x\">{1}</p>") << "&lt;p class=&quot;x&quot;&gt;&#123;1&#125;&lt;/p&gt;<BR>\n";
        QTest::newRow("latin_letters_get_their_entities") << QByteArray("caf\xc3\xa9 \xc2\xa9 \xc3\xbf") << "caf&eacute; &copy; &yuml;<BR>\n";
        QTest::newRow("quotes_and_dashes_beyond_255_stay") << QByteArray("\xe2\x80\x9cq\xe2\x80\x9d \xe2\x80\x94") << "“q” —<BR>\n";
        QTest::newRow("characters_beyond_255_stay") << QByteArray("\xd0\x9f\xd1\x80\xd0\xb8 \xe6\x97\xa5 \xe2\x82\xac") << "При 日 €<BR>\n";
        QTest::newRow("not_utf8_is_windows_1252") << QByteArray("caf\xe9 \x93q\x94") << "caf&eacute; “q”<BR>\n";
        QTest::newRow("byte_order_mark_is_dropped") << QByteArray("\xef\xbb\xbfhi") << "hi<BR>\n";
        QTest::newRow("tabs_stay_other_controls_go") << QByteArray("a\tb\x01\x7f" "c") << "a\tbc<BR>\n";
        QTest::newRow("empty_file_is_an_empty_page") << QByteArray() << "";
    }
    void lines() {
        QFETCH(QByteArray, file);
        QFETCH(QString, body);
        QCOMPARE(body_of(file), body);
    }

    void progress_moves_line_by_line_to_the_end_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("text") << int(ImportKind::text) << QByteArray("line of text\r\n").repeated(1000);
        QTest::newRow("rtf") << int(ImportKind::rtf) << "{\\rtf1 " + QByteArray("line of text\\par\r\n").repeated(1000) + "}";
        QTest::newRow("rtf of one line") << int(ImportKind::rtf) << "{\\rtf1 " + QByteArray("text\\par ").repeated(300000) + "}";
    }
    void progress_moves_line_by_line_to_the_end() {
        QFETCH(int, kind);
        QFETCH(QByteArray, file);
        QString error;
        const std::optional<ImportInput> input = import_input(ImportKind(kind), file, QStringLiteral("f"), error);
        QVERIFY(input);
        StopAfter listener;
        ProgressModel model(&listener);
        model.open_progress(import_caption(ImportKind(kind)), ProgressSteps::maximum_for(input->units()));
        QVERIFY(import_page(*input, {&model, {}}));
        QVERIFY(listener.changes >= 10);  // moved as it went, not only at the end
        QCOMPARE(listener.last_percent, 100);
    }

    void stop_request_ends_with_nothing_data() { progress_moves_line_by_line_to_the_end_data(); }
    void stop_request_ends_with_nothing() {
        QFETCH(int, kind);
        QFETCH(QByteArray, file);
        QString error;
        const std::optional<ImportInput> input = import_input(ImportKind(kind), file, QStringLiteral("f"), error);
        int asked = 0;
        const ImportProgress progress{nullptr, [&asked] { return ++asked == 3; }};
        QVERIFY(!import_page(*input, progress));
        QCOMPARE(asked, 3);  // asked as it went, and stopped at once
    }

    void progress_maximum_fits_an_int() {
        QCOMPARE(ProgressSteps::maximum_for(1000), 1000);
        const qint64 huge = 5'000'000'000;
        QVERIFY(ProgressSteps::maximum_for(huge) > 0 && ProgressSteps::maximum_for(huge) <= INT_MAX / 2);
    }
};

TAMSEL_TEST(TextImportTest)
#include "text_import_test.moc"
