// The page helpers on an editor in memory: the skeleton guarantee, head insertion, clamping, tracked
// positions, the pouring of generated lines, and the commands built on them.
#include "platform/memory_buffer.h"
#include "platform/scripted_dialogs.h"
#include "support/test_registry.h"
#include "wizards/page_commands.h"
#include "wizards/page_structure.h"

#include <QTest>

using namespace tamsel;

namespace {

const QString crlf = QStringLiteral("\r\n");

QString skeleton_of(const QString& text, const QString& eol, qsizetype* tracked = nullptr) {
    MemoryBuffer buffer(text);
    PageEditor page{buffer, eol};
    qsizetype position = tracked ? *tracked : 0;
    config_basic_html(page, position);
    if (tracked) *tracked = position;
    return buffer.text();
}

}  // namespace

class PageStructureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skeleton_adds_only_what_is_missing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("eol");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty page: seven lines, no break after the last")
            << "" << crlf << "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>";
        QTest::newRow("a word is wrapped into a body")
            << "Hello" << crlf << "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\nHello\r\n</BODY>\r\n</HTML>";
        QTest::newRow("lower-case skeleton is recognised")
            << "<html><head></head><body></body></html>" << crlf << "<html><head></head><body></body></html>";
        QTest::newRow("frameset page gets no body")
            << "<frameset cols=\"50%,50%\"></frameset>" << crlf
            << "<HTML>\r\n<HEAD>\r\n</HEAD><frameset cols=\"50%,50%\"></frameset>\r\n</HTML>";
        QTest::newRow("missing body end goes at the very end")
            << "<html><head></head><body>x</html>" << crlf << "<html><head></head><body>x</html>\r\n</BODY>";
        QTest::newRow("an LF page gets LF") << "" << "\n" << "<HTML>\n<HEAD>\n</HEAD>\n<BODY>\n\n</BODY>\n</HTML>";
    }
    void skeleton_adds_only_what_is_missing() {
        QFETCH(QString, text);
        QFETCH(QString, eol);
        QFETCH(QString, expected);
        QCOMPARE(skeleton_of(text, eol), expected);
    }

    void skeleton_keeps_the_caret_and_tracks_a_position() {
        MemoryBuffer buffer(QStringLiteral("Hello"));
        buffer.set_selection(2, 1);
        PageEditor page{buffer};
        qsizetype tracked = 2;  // at the "l"
        config_basic_html(page, tracked);
        QCOMPARE(buffer.text().mid(tracked, 3), QStringLiteral("llo"));
        QCOMPARE(buffer.selection_start(), 2);  // the numbers, as they were
        QCOMPARE(buffer.selection_length(), 1);
        buffer.undo();
        QCOMPARE(buffer.text(), QStringLiteral("Hello"));  // one undo step
    }

    void tracked_position_follows_insertions_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("tracked");
        QTest::addColumn<int>("expected");
        QTest::newRow("insertion before moves it") << 1 << 3 << 6;
        QTest::newRow("insertion at it moves it past the text") << 3 << 3 << 6;
        QTest::newRow("insertion after leaves it") << 4 << 3 << 3;
    }
    void tracked_position_follows_insertions() {
        QFETCH(int, caret);
        QFETCH(int, tracked);
        QFETCH(int, expected);
        MemoryBuffer buffer(QStringLiteral("abcdef"));
        buffer.set_selection(caret, 0);
        qsizetype position = tracked;
        insert_tracked(buffer, QStringLiteral("XYZ"), position);
        QCOMPARE(position, expected);
    }

    void head_insertion_goes_after_the_title_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("after the title")
            << "<html><head><title>t</title></head>" << "<html><head><title>t</title>M\r\n</head>";
        QTest::newRow("after the head start without a title") << "<html><head></head>" << "<html><head>M\r\n</head>";
        QTest::newRow("a title of an SVG in the body is not the page's")
            << "<head></head><body><svg><title>i</title></svg>" << "<head>M\r\n</head><body><svg><title>i</title></svg>";
        QTest::newRow("no head, no title: at the start") << "x" << "M\r\nx";
    }
    void head_insertion_goes_after_the_title() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        MemoryBuffer buffer(text);
        PageEditor page{buffer};
        insert_in_head(page, QStringLiteral("M"));
        QCOMPARE(buffer.text(), expected);
    }

    void clamping_moves_a_position_into_the_body_data() {
        const QString page = QStringLiteral("<html><head></head><body>\r\nab\r\n</body></html>");
        const int body_close = static_cast<int>(page.indexOf(QLatin1String("<body>")) + 5);
        const int end_tag = static_cast<int>(page.indexOf(QLatin1String("</body")));
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("expected");
        QTest::newRow("inside stays") << page << body_close + 3 << body_close + 3;
        QTest::newRow("in the head goes after the body tag") << page << 3 << body_close + 1;
        QTest::newRow("at the end tag stays") << page << end_tag << end_tag;
        QTest::newRow("after the end tag: before the last line's CR LF, not inside it")
            << page << end_tag + 4 << end_tag - 2;
        QTest::newRow("LF page: before the LF") << QString(page).replace(crlf, QStringLiteral("\n")) << 40 << 28;
        QTest::newRow("no body: unchanged") << "<p>x</p>" << 7 << 7;
    }
    void clamping_moves_a_position_into_the_body() {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(int, expected);
        MemoryBuffer buffer(text);
        qsizetype p = position;
        clamp_to_element(buffer, u" BODY", p);
        QCOMPARE(p, expected);
    }

    void output_pours_after_sixteen_thousand_characters() {
        MemoryBuffer buffer;
        PageEditor page{buffer};
        OutputBuffer out(page);
        const QString line(1000, QLatin1Char('x'));
        int poured_after = -1;
        for (int i = 1; i <= 20; ++i) {
            out.append_output_line(line);
            if (poured_after < 0 && buffer.length() > 0) poured_after = i;
        }
        QCOMPARE(poured_after, 16);  // 16 x 1002 = 16032 characters
        QCOMPARE(buffer.length(), 16 * 1002);
        bool flush = true;
        out.append_output_line(QString(), flush);
        QCOMPARE(buffer.length(), 20 * 1002 + 2);
        QCOMPARE(out.pending(), 0);
        QCOMPARE(buffer.selection_start(), buffer.length());  // the caret follows the poured text
    }

    void script_language_is_declared_once() {
        MemoryBuffer buffer(QStringLiteral("<html><head><title>t</title></head><body></body></html>"));
        PageEditor page{buffer};
        ScriptedDialogs dialogs;
        QVERIFY(set_default_script_language(page, dialogs, QStringLiteral("JavaScript")));
        const QString meta = QStringLiteral("<META http-equiv=\"Content-Script-Type\" content='text/JavaScript'>");
        QVERIFY(buffer.text().contains(QStringLiteral("</title>") + meta + crlf + QStringLiteral("</head>")));
        const QString once = buffer.text();
        QVERIFY(!set_default_script_language(page, dialogs, QStringLiteral("JavaScript")));
        QCOMPARE(buffer.selected_text(), meta);
        QVERIFY(!set_default_script_language(page, dialogs, QStringLiteral("VBScript")));
        QCOMPARE(buffer.text(), once);
        QCOMPARE(dialogs.messages.last().text, QStringLiteral("JavaScript is already the default\r\nlanguage defined on this page"));
    }

    void links_are_relative_and_added_once() {
        MemoryBuffer buffer(QStringLiteral("<html><head></head><body></body></html>"));
        PageEditor page{buffer};
        ScriptedDialogs dialogs;
        dialogs.files = {QStringLiteral("/site/css/main \"x\".css"), QStringLiteral("/site/css/main \"x\".css")};
        QVERIFY(add_link(page, dialogs, link_stylesheet, QStringLiteral("/site/index.htm")));
        QVERIFY(buffer.text().contains(
            QStringLiteral("<head><link rel=\"stylesheet\" type=\"text/css\" href=\"css/main &quot;x&quot;.css\">\r\n</head>")));
        QVERIFY(!add_link(page, dialogs, link_stylesheet, QStringLiteral("/site/index.htm")));
        QCOMPARE(dialogs.messages.last().text, QStringLiteral("A link to this file already exists"));
        QCOMPARE(link_target(QStringLiteral("/tmp/New File 01.HTM"), QStringLiteral("/site/a.js")), QStringLiteral("/site/a.js"));
        QCOMPARE(link_tag(link_javascript, QStringLiteral("a.js")), QStringLiteral("<script language=\"JavaScript\" src=\"a.js\">"));
    }

    void list_trims_lines_and_skips_empty_ones_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three lines") << "a\r\n\r\n  b  " << "<ul>\r\n<li>a</li>\r\n<li>b</li>\r\n</ul>\r\n";
        QTest::newRow("empty selection") << "" << "<ul>\r\n</ul>\r\n";
        QTest::newRow("LF and CR breaks") << "a\nb\rc" << "<ul>\r\n<li>a</li>\r\n<li>b</li>\r\n<li>c</li>\r\n</ul>\r\n";
    }
    void list_trims_lines_and_skips_empty_ones() {
        QFETCH(QString, selected);
        QFETCH(QString, expected);
        QCOMPARE(list_of_lines(selected, crlf), expected);
    }
};

TAMSEL_TEST(PageStructureTest)
#include "page_structure_test.moc"
