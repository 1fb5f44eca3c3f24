// The RTF converter on small documents: what the page's body says for each behaviour, and hostile input
// (nesting, truncation, huge counts, garbage) that must end cleanly with the text kept.
#include "import/import_file.h"
#include "import/rtf_converter.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

const QString page_start = QStringLiteral("<html>\n<head>\n</head>\n<body>\n");
const QString page_end = QStringLiteral("</body></html>\n");

// The body of the page of rtf: the lines between the page's start and its end.
QString body_of(const QByteArray& rtf) {
    const QString page = rtf_import_page(rtf).value_or(QString());
    if (!page.startsWith(page_start) || !page.endsWith(page_end)) return QStringLiteral("(no page) ") + page;
    return page.sliced(page_start.size(), page.size() - page_start.size() - page_end.size());
}

// A document with the font table most rows need: \f0 Arial.
QByteArray doc(const QByteArray& body) { return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" + body + "}"; }

const QString arial = QStringLiteral("<font face=\"Arial\" size=2 color=\"#000000\">");

}  // namespace

class RtfImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void body_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("body");
        // Text and its escaping
        QTest::newRow("escaped_brace_is_literal_text") << doc("\\{a\\} b\\\\c") << arial + "&#123;a&#125; b\\c\n";
        QTest::newRow("ampersand_and_spaces_follow_the_page_rules") << doc("a & b   c") << arial + "a &amp; b &nbsp; c\n";
        QTest::newRow("hex_escape_is_a_windows_1252_character") << doc("caf\\'e9 \\'93q\\'94") << arial + "caf&eacute; “q”\n";
        QTest::newRow("hex_escape_of_a_brace_is_text_not_a_group") << doc("\\'7b\\'5cb x\\'7d") << arial + "&#123;\\b x&#125;\n";
        QTest::newRow("ansicpg_names_the_code_page") << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\'cf\\'f0\\'e8}") << arial + "При\n";
        QTest::newRow("font_charset_overrides_the_code_page")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\f1\\'cf\\'f0\\'e8}")
            << "<font face=\"Arial Cyr\" size=2 color=\"#000000\">При\n";
        QTest::newRow("double_byte_escapes_make_one_character") << QByteArray("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0 Mincho;}}\\'82\\'a0\\'93\\'fa}")
                                                                << "<font face=\"Mincho\" size=2 color=\"#000000\">あ日\n";
        QTest::newRow("unicode_skips_its_fallback") << doc("\\u1055?\\u1088\\'3f \\uc2\\u26085\\'93\\'fa!") << arial + "Пр 日!\n";
        QTest::newRow("negative_unicode_counts_from_65536") << doc("\\u-257?") << arial + QChar(0xFEFF) + "\n";
        QTest::newRow("surrogate_pair_makes_one_character") << doc("\\u-10179?\\u-8704?") << arial + "😀\n";
        QTest::newRow("lone_surrogate_becomes_replacement") << doc("\\u-10179?a") << arial + QChar(0xFFFD) + "a\n";
        QTest::newRow("words_that_are_characters") << doc("a\\tab b\\emdash c\\lquote d\\~e")
                                                   << arial + "a\tb—c‘d&nbsp;e\n";
        QTest::newRow("control_characters_are_no_text") << doc("a\\'00\\'0ab\\u7?c") << arial + "abc\n";
        QTest::newRow("words_split_by_groups_and_words_stay_whole") << doc("{\\b H}ello caf\\u233?s {Wo}{rd}")
                                                                    << arial + "<b>H</b>ello caf&eacute;s Word\n";
        QTest::newRow("line_breaks_of_the_file_are_no_text") << doc("one\r\ntwo\nthree") << arial + "onetwothree\n";
        QTest::newRow("backslash_before_a_line_break_is_a_paragraph") << doc("a\\\nb") << arial + "a<br>\nb\n";
        // Formatting
        QTest::newRow("bold_on_and_off") << doc("\\b bold\\b0  plain") << arial + "<b>bold</b> plain\n";
        QTest::newRow("control_words_in_capitals") << doc("\\B bold\\B0  x\\PAR") << arial + "<b>bold</b> x<br>\n";
        QTest::newRow("italic_underline_and_ulnone") << doc("\\i\\ul iu\\ulnone  i\\i0  n") << arial + "<i><u>iu</u> i</i> n\n";
        QTest::newRow("group_end_restores_formatting") << doc("{\\b b} n") << arial + "<b>b</b> n\n";
        QTest::newRow("qc_then_pard") << doc("\\qc centred\\par\\pard left")
                                      << arial + "<div align=center>centred<br>\n</div><div align=left>left\n</div>\n";
        QTest::newRow("colour_from_the_table") << doc("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}\\cf2 x")
                                               << "<font face=\"Arial\" size=2 color=\"#0080FF\">x\n";
        QTest::newRow("font_change_closes_the_font") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Times;}{\\f1 Arial;}}\\f0 t\\f1 a\\fs24 b}")
                                                     << "<font face=\"Times\" size=2 color=\"#000000\">t</font>" + arial +
                                                            "a</font><font face=\"Arial\" size=3 color=\"#000000\">b\n";
        QTest::newRow("unknown_font_takes_the_default") << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Times;}{\\f1 Arial;}}\\f7 x}") << arial + "x\n";
        QTest::newRow("plain_resets_character_formatting") << doc("\\b\\fs40 big\\plain  small") << "<font face=\"Arial\" size=6 color=\"#000000\"><b>big</b></font><font face=\"Arial\" size=3 color=\"#000000\"> small\n";
        // Tables
        QTest::newRow("widths_33_and_67") << doc("\\trowd\\cellx2000\\cellx6000\\intbl a\\cell b\\cell\\row")
                                          << "<table border=1 width=100% cellpadding=0 cellspacing=0>\n<tr>\n<td width=33%>\n" + arial +
                                                 "a\n</td>\n<td width=67%>\nb\n</td>\n</tr></table>\n";
        QTest::newRow("row_of_no_width_gives_equal_widths") << doc("\\trowd\\cellx0\\cellx0\\intbl a\\cell b\\cell\\row")
                                                            << "<table border=1 width=100% cellpadding=0 cellspacing=0>\n<tr>\n<td width=50%>\n" +
                                                                   arial + "a\n</td>\n<td width=50%>\nb\n</td>\n</tr></table>\n";
        QTest::newRow("boundaries_going_back_give_equal_widths")
            << doc("\\trowd\\cellx1\\cellx-100000000\\cellx100000001\\intbl a\\cell b\\cell c\\cell\\row")
            << "<table border=1 width=100% cellpadding=0 cellspacing=0>\n<tr>\n<td width=33%>\n" + arial +
                   "a\n</td>\n<td width=33%>\nb\n</td>\n<td width=33%>\nc\n</td>\n</tr></table>\n";
        QTest::newRow("empty_cell_shows_nbsp") << doc("\\trowd\\cellx1000\\intbl\\cell\\row")
                                               << "<table border=1 width=100% cellpadding=0 cellspacing=0>\n<tr>\n<td width=100%>\n&nbsp;\n</td>\n</tr></table>\n";
        QTest::newRow("row_definition_repeated_before_row_starts_no_table")
            << doc("\\trowd\\cellx1000\\intbl a\\cell{\\trowd\\cellx1000\\row}")
            << "<table border=1 width=100% cellpadding=0 cellspacing=0>\n<tr>\n<td width=100%>\n" + arial + "a\n</td>\n</tr></table>\n";
        // Skipped destinations
        QTest::newRow("star_destination_is_skipped") << doc("{\\*\\generator Writer 1.0;}a{\\*\\bkmkstart x}b") << arial + "ab\n";
        QTest::newRow("picture_hex_is_skipped") << doc("a{\\pict\\pngblip 89504e47{\\*\\blipuid 0f}}b") << arial + "ab\n";
        QTest::newRow("binary_data_with_braces_is_skipped") << doc("a{\\pict\\bin6 }{\\x{ }b") << arial + "ab\n";
        QTest::newRow("binary_count_in_capitals_is_skipped_too") << doc("a{\\pict\\BIN3 }}}}b") << arial + "ab\n";
        QTest::newRow("style_sheet_info_and_lists_are_skipped")
            << doc("{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}}{\\listtable{\\list x}}{\\listoverridetable{y}}z") << arial + "z\n";
        QTest::newRow("field_result_marked_with_star_is_kept")
            << doc("{\\field{\\*\\fldinst x}{\\*\\fldrslt{\\b link}}}{\\*\\x{\\*\\fldrslt no}}") << arial + "<b>link\n";
        QTest::newRow("field_result_is_kept") << doc("{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}") << arial + "link\n";
        // The page start
        QTest::newRow("text_without_font_table_starts_the_page") << QByteArray("{\\rtf1 Hello}")
                                                                 << "<font face=\"\" size=2 color=\"#000000\">Hello\n";
        QTest::newRow("empty_document_is_an_empty_page") << QByteArray("{\\rtf1}") << "";
    }
    void body() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, body);
        QCOMPARE(body_of(rtf), body);
    }

    void html_font_size_rounds_half_points_data() {
        QTest::addColumn<int>("half_points");
        QTest::addColumn<int>("size");
        QTest::newRow("8 pt") << 16 << 1;
        QTest::newRow("8.5 pt rounds to 8") << 17 << 1;
        QTest::newRow("9.5 pt rounds to 10") << 19 << 2;
        QTest::newRow("10.5 pt rounds to 10") << 21 << 2;
        QTest::newRow("11.5 pt rounds to 12") << 23 << 3;
        QTest::newRow("15 pt") << 30 << 4;
        QTest::newRow("18 pt") << 36 << 5;
        QTest::newRow("24 pt") << 48 << 6;
        QTest::newRow("25 pt") << 50 << 7;
        QTest::newRow("negative") << -2 << 7;
    }
    void html_font_size_rounds_half_points() {
        QFETCH(int, half_points);
        QFETCH(int, size);
        QCOMPARE(html_font_size(half_points), size);
    }

    // Limits of the fixed tables a document may pass: the tables grow and the text keeps its look.
    void large_tables_grow() {
        QByteArray fonts = "{\\fonttbl", colours = "{\\colortbl;", cells = "\\trowd";
        for (int i = 0; i < 300; ++i) {
            fonts += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
            colours += "\\red" + QByteArray::number(i % 256) + "\\green0\\blue1;";
            cells += "\\cellx" + QByteArray::number((i + 1) * 10);
        }
        const QByteArray rtf = "{\\rtf1" + fonts + "}" + colours + "}\\f299\\cf300 x" + cells + "\\intbl " +
                               QByteArray("a\\cell ").repeated(300) + "\\row}";
        const QString body = body_of(rtf);
        QVERIFY(body.startsWith("<font face=\"F299\" size=2 color=\"#2B0001\">x\n"));
        QCOMPARE(body.count("<td width=0%>") + body.count("<td width=1%>"), 300);
        QVERIFY(body.endsWith("</td>\n</tr></table>\n"));
    }

    // Input that is broken or made to hurt: the converter ends, keeps the text it could read, and its
    // page is whole.
    void hostile_input_ends_with_a_whole_page_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("deep nesting") << QByteArray("{\\rtf1") + QByteArray(200000, '{') + "deep" + QByteArray(200000, '}') + "}" << "deep";
        QTest::newRow("deep nesting left open") << QByteArray("{\\rtf1") + QByteArray("{\\b").repeated(100000) + " deep" << "deep";
        QTest::newRow("truncated in a word") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}kept\\par\\b") << "kept<br>";
        QTest::newRow("truncated in an escape") << QByteArray("{\\rtf1 kept\\'") << "kept";
        QTest::newRow("truncated in the font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << "";
        QTest::newRow("more closing braces") << QByteArray("{\\rtf1 kept}}}} after") << "kept";
        QTest::newRow("huge bin count") << QByteArray("{\\rtf1 kept{\\pict\\bin2000000000 abc}}") << "kept";
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999\\cf99999999999\\f-99999999999\\uc99999999999 kept"
                                                    "\\u99999999999 x\\cellx99999999999\\cellx-99999999999\\intbl\\cell}")
                                      << "kept";
        QTest::newRow("unbalanced table words") << QByteArray("{\\rtf1\\row\\cell\\intbl kept\\trowd\\trowd\\row\\row}") << "kept";
        QTest::newRow("binary garbage") << QByteArray("{\\rtf1 ") + QByteArray::fromHex("00ff7b5c7d5c27ff5c75ff0d0a5c") << "";
    }
    void hostile_input_ends_with_a_whole_page() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        const QString page = rtf_import_page(rtf).value_or(QString());
        QVERIFY(page.startsWith(page_start));
        QVERIFY(page.endsWith(page_end));
        QVERIFY2(page.contains(text), qPrintable(page.left(500)));
    }

    void only_a_file_without_rtf_start_is_refused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("RTF") << QByteArray("{\\rtf1 x}") << true;
        QTest::newRow("byte-order mark and blanks first") << QByteArray("\xEF\xBB\xBF \r\n{\\RTF1 x}") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("plain text") << QByteArray("Hello {\\rtf1}") << false;
        QTest::newRow("short") << QByteArray("{\\rt") << false;
    }
    void only_a_file_without_rtf_start_is_refused() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        QString error;
        const std::optional<ImportInput> input = import_input(ImportKind::rtf, bytes, QStringLiteral("notes.doc"), error);
        QCOMPARE(input.has_value(), accepted);
        QCOMPARE(error.contains(QLatin1String("notes.doc is not an RTF document")), !accepted);
    }
};

TAMSEL_TEST(RtfImportTest)
#include "rtf_import_test.moc"
