// The markup scanner and the validator's checks: the problems a page gives, with their lines and texts.
#include "support/growth_support.h"
#include "scan_support.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;
using test::problems;
using test::records;
using test::scan_page;

class ScannerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The faulty pages of tests/golden/check hold the common faults; these are the finer points.
    void page_gives_its_problems_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("expected");  // "LINE CODE TEXT1|TEXT2"
        QTest::newRow("a style block does not hide tags") << "<STYLE>p { color: red }<B></STYLE>" << QStringList{"1 3 <B>|"};
        QTest::newRow("unknown tag: code 6 only") << "<FOO BAR=1.5 X='y>" << QStringList{"1 1 |", "1 101 |", "1 6 <FOO>|"};
        QTest::newRow("empty tag") << "<>" << QStringList{"1 6 <>|"};
        QTest::newRow("tangled tags on their lines") << "<B>\n<I>\n</B>\n</I>" << QStringList{"3 18 </B>|</I>", "4 18 </I>|</B>"};
        QTest::newRow("a slash of an unquoted value stays") << "<A HREF=x/>y</A>" << QStringList{"1 102 HREF=X/|"};
    }
    void page_gives_its_problems() {
        QFETCH(QString, page);
        QFETCH(QStringList, expected);
        QCOMPARE(problems(scan_page(page).results), expected);
    }

    void numeric_reference_names_a_character_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("defined");
        QTest::newRow("a Latin letter") << "&#601;" << true;
        QTest::newRow("a quotation mark") << "&#8217;" << true;
        QTest::newRow("a symbol no entity names") << "&#9999;" << true;
        QTest::newRow("beyond the first plane") << "&#x1F600;" << true;
        QTest::newRow("private use") << "&#xE000;" << true;
        QTest::newRow("a control character") << "&#1;" << true;
        QTest::newRow("zero") << "&#0;" << false;
        QTest::newRow("a surrogate half") << "&#xD800;" << false;
        QTest::newRow("the last surrogate half") << "&#57343;" << false;
        QTest::newRow("beyond Unicode") << "&#x110000;" << false;
        QTest::newRow("a noncharacter at a plane's end") << "&#xFFFF;" << false;
        QTest::newRow("a noncharacter of the second plane") << "&#x1FFFE;" << false;
        QTest::newRow("a noncharacter of the Arabic block") << "&#xFDD0;" << false;
        QTest::newRow("unassigned") << "&#x378;" << false;
        QTest::newRow("no digits") << "&#x;" << false;
    }
    void numeric_reference_names_a_character() {
        QFETCH(QString, reference);
        QFETCH(bool, defined);
        const QStringList expected = defined ? QStringList() : QStringList{"1 16 " + reference.toUpper() + "|"};
        QCOMPARE(problems(scan_page("x " + reference + " y").results), expected);
    }

    void quotes_delimit_values_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("an apostrophe inside a double-quoted value is text")
            << "<A HREF=\"a.htm\" TITLE=\"it's\">x</A>" << QStringList();
        QTest::newRow("a double quote inside a single-quoted value is text")
            << "<A TITLE='say \"hi\"'>x</A>" << QStringList{"1 101 |"};
        QTest::newRow("a > inside a quoted value does not end the tag")
            << "<A HREF=\"#<x>\" NAME='a>b'>y</A>" << QStringList{"1 101 |"};
        QTest::newRow("a > in a value that closes on its line, the value begun on the line before")
            << "<A HREF=\"a.htm\"\nTITLE=\"a > b\">c</A>" << QStringList();
        QTest::newRow("an unclosed quote ends the tag at its > and the page reads on")
            << "<A HREF=\"x.htm>t</A>\n<B>" << QStringList{"1 1 |", "2 3 <B>|"};
        QTest::newRow("a quote inside an unquoted value still unbalances")
            << "<A TITLE=it's>x</A>" << QStringList{"1 1 |", "1 101 |"};
        QTest::newRow("quotes in a comment are free text")
            << "<!-- don't \"quote\" me > yet -->\n<B>" << QStringList{"2 3 <B>|"};
    }
    void quotes_delimit_values() {
        QFETCH(QString, page);
        QFETCH(QStringList, expected);
        QCOMPARE(problems(scan_page(page).results), expected);
    }

    void xhtml_reads_as_html_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a start tag closing itself waits for no end tag")
            << "<DIV/><A NAME=\"x\"/><B />\n<I>" << QStringList{"2 3 <I>|"};
        QTest::newRow("a script closing itself hides no markup") << "<SCRIPT SRC=\"a.js\"/><B>" << QStringList{"1 3 <B>|"};
        QTest::newRow("a processing instruction is skipped")
            << "<?xml version=\"1.0\"?><?page a > b ?><B>" << QStringList{"1 3 <B>|"};
        QTest::newRow("a CDATA section holds > and tags")
            << "<![CDATA[ <B> a > b ]]><I>" << QStringList{"1 3 <I>|"};
        QTest::newRow("namespace and xml: attributes on any element")
            << "<DIV xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:svg=\"x\" xml:lang=\"en\" xml:space=\"preserve\">y</DIV>"
            << QStringList();
        QTest::newRow("other xml: attributes are not") << "<DIV xml:base=\"x\">y</DIV>" << QStringList{"1 19 XML:BASE|DIV"};
    }
    void xhtml_reads_as_html() {
        QFETCH(QString, page);
        QFETCH(QStringList, expected);
        QCOMPARE(problems(scan_page(page).results), expected);
    }

    void svg_and_mathml_are_not_html_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("drawing elements and attributes")
            << "<svg viewBox=\"0 0 1 1\"><g stroke-linecap=\"round\"><path d=\"M0 0\"/><circle r=\"1\"></circle></g></svg>"
            << QStringList();
        QTest::newRow("a drawing inside a drawing") << "<svg><svg><rect/></svg><rect/></svg>\n<B>" << QStringList{"2 3 <B>|"};
        QTest::newRow("end tags in any letter case")
            << "<SVG><linearGradient><stop/></LINEARGRADIENT></svg>" << QStringList();
        QTest::newRow("a drawing's title is not the page's") << "<svg><title>Icon</title></svg>" << QStringList();
        QTest::newRow("a drawing's link is not HTML's") << "<svg><a href=\"#x\"><text>t</text></a></svg>" << QStringList();
        QTest::newRow("formula elements") << "<math><mfrac><mi>a</mi><mn>2</mn></mfrac></math>" << QStringList();
        QTest::newRow("formula text holds HTML") << "<math><mtext><B>bold</mtext></math>" << QStringList{"1 3 <B>|"};
        QTest::newRow("an element after the drawing is HTML's") << "<svg></svg><circle>" << QStringList{"1 6 <CIRCLE>|"};
        QTest::newRow("tangled tags after a formula")
            << "<math><mi>x</mi></math>\n<B><I></B></I>" << QStringList{"2 18 </I>|</B>", "2 18 </B>|</I>"};
        QTest::newRow("quotes count in a drawing") << "<svg><path d=\"M0 0/></svg>" << QStringList{"1 1 |"};
        QTest::newRow("an unclosed drawing ends at an HTML paragraph")
            << "<svg><g>\n<P><TD>" << QStringList{"1 3 <SVG>|", "2 8 TR|TD", "2 3 <TD>|"};
        QTest::newRow("an unclosed formula ends with the HTML element around it")
            << "<DIV><math><mi>x</mi></DIV><circle>" << QStringList{"1 6 <CIRCLE>|", "1 3 <MATH>|"};
        QTest::newRow("an unclosed drawing ends at the end of the page") << "<svg><g>" << QStringList{"1 3 <SVG>|"};
        QTest::newRow("a drawing closing itself holds nothing") << "<svg/><circle>" << QStringList{"1 6 <CIRCLE>|"};
    }
    void svg_and_mathml_are_not_html() {
        QFETCH(QString, page);
        QFETCH(QStringList, expected);
        QCOMPARE(problems(scan_page(page).results), expected);
    }

    void a_drawing_title_is_not_the_page_title() {
        const test::ScanOutcome s = scan_page("<svg><title>Icon</title></svg>", AnalyzeMode::help_check);
        QVERIFY(problems(s.results).contains("32767 203 |"));
        QCOMPARE(s.metas.meta_slots[meta_title], QStringLiteral("page.htm"));
    }

    void the_pair_analysis_sees_html_only() {
        ResultList results;
        MetaSlots metas;
        MarkupScanner scanner(test::scan_database(), results, metas, AnalyzeMode::report);
        const QString page = QStringLiteral("<DIV><svg><g><a href=\"#x\">t</a></g></svg><A NAME=\"y\"/></DIV>");
        scanner.scan_text(page, page.size(), "/site/page.htm");
        QStringList names;
        for (const TagEntry& e : scanner.tag_list().entries()) names << scanner.tag_list().name_of(e);
        QCOMPARE(names, (QStringList{"<DIV>", "<SVG>", "</SVG>", "</DIV>"}));
    }

    void a_tag_takes_any_number_of_attributes() {
        QString page = QStringLiteral("<IMG");
        for (int i = 0; i < 300; ++i) page += QStringLiteral(" data-a%1=1").arg(i);
        page += QStringLiteral(" SRC=\"x.gif\" WIDTH=1 BOGUS=2>");
        QCOMPARE(problems(scan_page(page).results), QStringList{"1 19 BOGUS|IMG"});
    }

    void counts_errors_and_warnings() {
        const test::ScanOutcome s = scan_page("<A HREF='x'>y\n&foo;\n<IMG SRC=a.gif>");
        QCOMPARE(s.results.error_count, 2);    // 3 for <A>, 15
        QCOMPARE(s.results.warning_count, 2);  // 101, 102
    }

    void statistics_and_script_functions() {
        const QString page = QStringLiteral(
            "<SCRIPT LANGUAGE=\"JavaScript\">\n"
            "function Show(a) {\n"
            "}\n"
            "</SCRIPT>\n"
            "<SCRIPT LANGUAGE=\"VBScript\">\n"
            "Public Sub Hello()\n"
            "\tPrivate Function Add(a, b)\n"
            "End Sub\n"
            "</SCRIPT>\n");
        const test::ScanOutcome s = scan_page(page);
        QCOMPARE(problems(s.results), QStringList());
        QCOMPARE(records(s.results, record_file_size), QStringList{"9|" + QString::number(page.toUtf8().size())});
        QCOMPARE(records(s.results, record_javascript), QStringList{"2|23"});
        QCOMPARE(records(s.results, record_vbscript), QStringList{"3|57"});
        QCOMPARE(records(s.results, record_js_function), QStringList{"FUNCTION SHOW|"});
        QCOMPARE(records(s.results, record_vb_procedure), (QStringList{"SUB HELLO|", "FUNCTION ADD|"}));
    }

    void file_type_decides_where_scripts_are_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("functions");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("a .JS file is script throughout") << "/s/a.js" << QStringList{"FUNCTION A|"} << QStringList();
        QTest::newRow("a .HTM page is not") << "/s/a.htm" << QStringList() << QStringList{"1 10 |"};
        QTest::newRow("a .CSS file is style: no text checks") << "/s/a.CSS" << QStringList() << QStringList();
    }
    void file_type_decides_where_scripts_are() {
        QFETCH(QString, name);
        QFETCH(QStringList, functions);
        QFETCH(QStringList, problems);
        const test::ScanOutcome s = scan_page("function a(x) { return x < 1; }", AnalyzeMode::report, name);
        QCOMPARE(records(s.results, record_js_function), functions);
        QCOMPARE(test::problems(s.results), problems);
    }

    void the_counting_pass_reads_nothing() {
        ResultList results;
        MetaSlots metas;
        MarkupScanner scanner(test::scan_database(), results, metas, AnalyzeMode::count);
        QVERIFY(scanner.scan_file("/nonexistent/page.htm"));
        QCOMPARE(scanner.files_counted(), 1);
        QCOMPARE(results.count(), 0);
    }

    void links_are_resolved_against_the_page_or_its_document() {
        const QString page = QStringLiteral("<IMG SRC=\"../img/Logo.gif\" ALT=\"x\">");
        QCOMPARE(records(scan_page(page, AnalyzeMode::report, "/Site/Sub/p.htm").results, record_link),
                 QStringList{"/Site/img/Logo.gif|"});
        ResultList results;
        MetaSlots metas;
        MarkupScanner scanner(test::scan_database(), results, metas, AnalyzeMode::report);
        scanner.scan_text(page, page.size(), "/tmp/copy.$$$", "/Site/Deep/Down/p.htm");
        QCOMPARE(results.entries().first().file, QStringLiteral("/Site/Deep/Down/p.htm"));
        QCOMPARE(results.entries().first().text1, QStringLiteral("/Site/Deep/img/Logo.gif"));
        scanner.collect_links = false;
        results.clear();
        scanner.scan_text(page, page.size(), "/tmp/copy.$$$", "/Site/p.htm");
        QCOMPARE(records(results, record_link), QStringList());
    }

    void help_check_reads_title_keywords_and_description() {
        const test::ScanOutcome s = scan_page(
            "<HEAD><TITLE>My\nPage</TITLE>\n<META NAME=\"keywords\" CONTENT=\"alpha, beta,,gamma\">\n"
            "<META name = 'Description' content='About it'></HEAD>\n"
            "<A HREF=\"a.htm\" TARGET=\"main\">a</A> <A HREF=\"b.htm\" TARGET=\"_top\">b</A>\n"
            "<A TARGET=_blank HREF=\"c.htm\">c</A>",
            AnalyzeMode::help_check);
        QCOMPARE(problems(s.results), (QStringList{"4 101 |", "5 105 |", "6 102 TARGET=_BLANK|"}));
        QCOMPARE(records(s.results, record_help_keyword),
                 (QStringList{"ALPHA|MY PAGE", "BETA|MY PAGE", "|MY PAGE", "GAMMA|MY PAGE"}));
        QCOMPARE(records(s.results, record_help_description), QStringList{"ABOUT IT|MY PAGE"});
        QCOMPARE(s.metas.meta_slots[meta_title], QStringLiteral("My Page"));
    }

    void help_check_reports_what_is_missing() {
        const test::ScanOutcome s = scan_page("<P>x <A HREF=\"a.htm\" TARGET=\"main\">", AnalyzeMode::help_check);
        QCOMPARE(problems(s.results), (QStringList{"1 105 |", "1 3 <A>|", "32767 203 |", "32767 204 |", "32767 205 |"}));
        QCOMPARE(s.results.warning_count, 4);
        QCOMPARE(records(s.results, record_help_keyword), QStringList());
        QCOMPARE(records(s.results, record_help_description), QStringList{"99$OTHER|PAGE.HTM"});
        QCOMPARE(problems(scan_page("<P>x <A HREF=\"a.htm\" TARGET=\"main\">").results), QStringList{"1 3 <A>|"});
    }

    void cleanup_mode_hands_every_chunk_and_tag_on() {
        const test::ScanOutcome s = scan_page(
            "<P>Hello  there\n<A\n  HREF=x >world</A> <br />\n<SCRIPT>\n  var a = 1;\n</SCRIPT>\n<STYLE>\np {}\n",
            AnalyzeMode::cleanup);
        QCOMPARE(s.tokens.line_texts(), (QStringList{"<P>", "Hello  there", "<A HREF=x>", "world", "</A>", "<br />", "<SCRIPT>",
                                              "var a = 1;", "</SCRIPT>", "<STYLE>", "p {}"}));
        QStringList from_page;  // what each token stands for in the page, as written there
        for (const TokenSpan& span : s.tokens.spans) from_page << s.tokens.page.mid(span.begin, span.end - span.begin);
        QCOMPARE(from_page, (QStringList{"<P>", "Hello  there", "<A\n  HREF=x >", "world", "</A>", "<br />", "<SCRIPT>",
                                         "var a = 1;", "</SCRIPT>", "<STYLE>", "p {}"}));
        QVERIFY(s.tokens.ended_in_style);
        QVERIFY(!s.tokens.ended_in_script);
        QCOMPARE(scan_page("<P>x").tokens.size(), 0);  // only cleanup produces tokens
        QVERIFY(scan_page("var a;", AnalyzeMode::cleanup, "/s/a.js").tokens.began_in_script);
    }

    // A step that read again what it had read would take hours on big pages: the time must grow with the
    // page as a single pass's does. None may crash either.
    void hostile_input_is_read_in_one_pass_data() {
        QTest::addColumn<test::InputOfSize>("input");
        QTest::newRow("one line of ampersands") << test::InputOfSize([](int n) { return QString(n, QLatin1Char('&')); });
        QTest::newRow("one line of < without >")
            << test::InputOfSize([](int n) { return QStringLiteral("<a ") + QString(n, QLatin1Char('<')); });
        QTest::newRow("a tag over many lines")
            << test::InputOfSize([](int n) { return QStringLiteral("<A\n") + QStringLiteral("X=1\n").repeated(n); });
        QTest::newRow("blanks around =") << test::InputOfSize([](int n) {
            return QStringLiteral("<A X") + QString(n, QLatin1Char(' ')) + "=" + QString(n, QLatin1Char(' ')) + "1>";
        });
        QTest::newRow("many unclosed titles")
            << test::InputOfSize([](int n) { return QStringLiteral("<HEAD>") + QStringLiteral("<TITLE>\n").repeated(n); });
        QTest::newRow("cells in one row")
            << test::InputOfSize([](int n) { return QStringLiteral("<TABLE><TR>") + QStringLiteral("<TD>x</TD>").repeated(n); });
        QTest::newRow("deep nesting")
            << test::InputOfSize([](int n) { return QStringLiteral("<B>").repeated(n) + QStringLiteral("</B>").repeated(n); });
        QTest::newRow("a quoted value full of >") << test::InputOfSize([](int n) {
            return QStringLiteral("<A TITLE=\"") + QString(n, QLatin1Char('>')) + QStringLiteral("\">");
        });
        QTest::newRow("quotes that never close")
            << test::InputOfSize([](int n) { return QStringLiteral("<A X='>\" ").repeated(n); });
        QTest::newRow("a comment full of quotes")
            << test::InputOfSize([](int n) { return QStringLiteral("<!-- ") + QStringLiteral("\"'>").repeated(n); });
        QTest::newRow("a drawing never closed")
            << test::InputOfSize([](int n) { return QStringLiteral("<svg>") + QStringLiteral("<g></x>").repeated(n); });
        QTest::newRow("deep drawing") << test::InputOfSize([](int n) {
            return QStringLiteral("<svg>") + QStringLiteral("<g>").repeated(n) + QStringLiteral("</svg>");
        });
        QTest::newRow("drawings ended by paragraphs")
            << test::InputOfSize([](int n) { return QStringLiteral("<svg><g><g><P>\n").repeated(n); });
        QTest::newRow("binary bytes") << test::InputOfSize([](int n) {
            QString binary;
            quint32 seed = 7;
            for (int i = 0; i < n; ++i) {
                seed = seed * 1103515245u + 12345u;
                binary += QChar(static_cast<char16_t>((seed >> 16) & 0xFF));
            }
            return binary;
        });
    }
    void hostile_input_is_read_in_one_pass() {
        QFETCH(test::InputOfSize, input);
        QVERIFY(!scan_page(input(1000), AnalyzeMode::cleanup).results.entries().isEmpty());
        const QString growth = test::growth_beyond_linear(
            input, [](const QString& page) { return [page] { scan_page(page, AnalyzeMode::cleanup); }; });
        QVERIFY2(growth.isEmpty(), qPrintable(growth));
    }
};

TAMSEL_TEST(ScannerTest)
#include "scanner_test.moc"
