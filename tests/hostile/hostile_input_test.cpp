// Whatever is on a disk goes through the checker, the cleanup and the colouring without a crash, a hang or a
// lost character: random bytes, every byte value, UTF-16 with and without its mark, CR-only lines, a 10 MB
// line, deep nesting, quotes that never close, huge attributes, NUL bytes, pages cut off anywhere.
#include "colour/colorize.h"
#include "colour/script_colouring.h"
#include "platform/text_codec.h"
#include "settings/config_table.h"
#include "support/growth_support.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

using Generator = QByteArray (*)();

const char page[] = "<html><head><title>t</title></head><body><p class=\"a\">caf\xC3\xA9 \xE4\xB8\xAD</p>\r\n"
                    "<script>var x = \"a<b\";</script></body></html>\r\n";

QByteArray utf16(bool little_endian, bool mark) {
    const QString text = QString::fromUtf8(page);
    QByteArray out = mark ? (little_endian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF")) : QByteArray();
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8), low = static_cast<char>(c.unicode() & 0xFF);
        out += little_endian ? QByteArray{low, high} : QByteArray{high, low};
    }
    return out;
}

QByteArray random_bytes() {
    QRandomGenerator random(2001);
    QByteArray out(64 * 1024, Qt::Uninitialized);
    for (char& b : out) b = static_cast<char>(random.bounded(256));
    return out;
}

QByteArray every_byte() {
    QByteArray out;
    for (int b = 0; b < 256; ++b) out += static_cast<char>(b);
    return out.repeated(64);
}

// Cleanup may change white space and nothing else: the other characters come out in the same order.
QString without_blanks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace()) out += c;
    return out;
}

void check_runs(const QList<ColourRun>& runs, qsizetype length) {
    qsizetype end = 0;
    for (const ColourRun& r : runs) {
        QVERIFY2(r.start >= end && r.length >= 0 && r.start + r.length <= length,
                 "a colour run out of order or outside");
        end = r.start + r.length;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Generator)

class HostileInputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void any_page_is_checked_cleaned_and_coloured_whole_data() {
        QTest::addColumn<Generator>("make");
        QTest::newRow("random bytes") << Generator(random_bytes);
        QTest::newRow("every byte value") << Generator(every_byte);
        QTest::newRow("utf-16le with its mark") << Generator([] { return utf16(true, true); });
        QTest::newRow("utf-16be with its mark") << Generator([] { return utf16(false, true); });
        QTest::newRow("utf-16le without a mark") << Generator([] { return utf16(true, false); });
        QTest::newRow("utf-16be without a mark") << Generator([] { return utf16(false, false); });
        QTest::newRow("CR-only line ends")
            << Generator([] { return QByteArray(page).replace("\r\n", "\r").repeated(1000); });
        QTest::newRow("a 10 MB single line") << Generator([] {
            return QByteArray("<p class=\"x\">text <b>bold</b> &amp; more</p>").repeated(240000).left(10 << 20);
        });
        QTest::newRow("100,000 nested tags") << Generator([] {
            return QByteArray("<div>").repeated(100000) + 'x' + QByteArray("</div>").repeated(100000);
        });
        QTest::newRow("100,000 unclosed quotes")
            << Generator([] { return QByteArray("<a href=\"x>t</a>\n").repeated(100000); });
        QTest::newRow("an attribute of 1 MB")
            << Generator([] { return "<p title=\"" + QByteArray(1 << 20, 'a') + "\">x</p>"; });
        QTest::newRow("NUL bytes in the middle") << Generator([] {
            return QByteArray(page).insert(40, QByteArray("\0\0\0", 3));
        });
        QTest::newRow("ending inside a comment")
            << Generator([] { return QByteArray("<p>a</p><!-- never closed <b>"); });
        QTest::newRow("ending inside a script") << Generator([] { return QByteArray("<p>a</p><script>var s = \"<"); });
        QTest::newRow("ending inside a tag") << Generator([] { return QByteArray("<p>a</p><a href=\"x\" title="); });
        QTest::newRow("ending inside a character reference") << Generator([] { return QByteArray("<p>a &#x1F60"); });
        QTest::newRow("ending inside a style block") << Generator([] { return QByteArray("<style>p { color: "); });
        QTest::newRow("an empty file") << Generator([] { return QByteArray(); });
    }
    void any_page_is_checked_cleaned_and_coloured_whole() {
        QFETCH(Generator, make);
        const QByteArray bytes = make();
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("page.htm"));
        const QString out = dir.filePath(QStringLiteral("clean.htm"));
        QVERIFY(test::write_bytes(in, bytes));

        const test::CliRun check = test::run_cli({QStringLiteral("check"), in});
        QVERIFY2(check.exit_code == 0 || check.exit_code == 1, qPrintable(check.err));

        const test::CliRun cleanup = test::run_cli({QStringLiteral("cleanup"), in, QStringLiteral("--ignore-errors"),
                                                    QStringLiteral("-o"), out});
        QVERIFY2(cleanup.exit_code == 0, qPrintable(cleanup.err));
        const DecodedText before = decode_document(bytes);
        const DecodedText after = decode_document(test::read_bytes(out));
        QCOMPARE(int(after.encoding), int(before.encoding));
        QVERIFY2(without_blanks(after.text) == without_blanks(before.text), "cleanup changed more than white space");

        static const ConfigTable config;
        static const ColourScheme scheme = colour_scheme(config);
        ColouringState state;
        check_runs(colorize(before.text, 0, -1, scheme, state).runs, before.text.size());
        check_runs(colour_script(before.text, ScriptLanguage(0), scheme), before.text.size());
    }

    void colouring_time_grows_with_the_text_alone_data() {
        QTest::addColumn<test::InputOfSize>("input");
        QTest::newRow("quotes that never close")
            << test::InputOfSize([](int n) { return QStringLiteral("<A X='>\" ").repeated(n); });
        QTest::newRow("nested tags on one line")
            << test::InputOfSize([](int n) { return QStringLiteral("<div>").repeated(n); });
        QTest::newRow("a comment never closed")
            << test::InputOfSize([](int n) { return QStringLiteral("<!-- ") + QStringLiteral("<b>'\"").repeated(n); });
        QTest::newRow("a script never closed")
            << test::InputOfSize([](int n) {
                   return QStringLiteral("<script>") + QStringLiteral("x = \"<\"; // '\n").repeated(n);
               });
        QTest::newRow("character references never ended")
            << test::InputOfSize([](int n) { return QStringLiteral("&#x1F60").repeated(n); });
    }
    void colouring_time_grows_with_the_text_alone() {
        QFETCH(test::InputOfSize, input);
        static const ConfigTable config;
        static const ColourScheme scheme = colour_scheme(config);
        // The step keeps its own copy: the input it was made from is gone by the time it runs.
        const QString growth = test::growth_beyond_linear(input, [](const QString& text) {
            return std::function<void()>([text] {
                ColouringState state;
                (void)colorize(text, 0, -1, scheme, state);
            });
        });
        QVERIFY2(growth.isEmpty(), qPrintable(growth));
    }
};

TAMSEL_TEST(HostileInputTest)
#include "hostile_input_test.moc"
