// The HTML side of cleanup: tag layout, text and margin, and what is kept as the page has it.
#include "analyze/cleanup_formatter.h"
#include "analyze/cleanup_support.h"
#include "support/growth_support.h"
#include "core/progress_model.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;
using namespace tamsel::test;

namespace {

QString cleaned(const QString& page, const ConfigTable& config = formatter_config()) {
    return format_page(tokens_of_page(page), formatter_database(), config);
}

class RecordingListener : public ProgressListener {
public:
    void progress_opened(int, const QString& caption, bool) override { captions << caption; }
    void progress_changed(int, int percent) override { last_percent = percent; }
    void progress_closed() override { closed = true; }
    QStringList captions;
    int last_percent = -1;
    bool closed = false;
};

}  // namespace

class CleanupFormatterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tags_are_laid_out_by_their_flags_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("list items one level deeper than their list")
            << "<UL><LI>one<LI>two</UL>" << "" << QStringList{"<UL>", "   <LI>one", "   <LI>two", "</UL>"};
        QTest::newRow("every text ends its line, the blank after > goes")
            << "<B>bold</B> more" << "" << QStringList{"<B>bold", "</B>more"};
        QTest::newRow("text running on into inline tags and text keeps its line")
            << "<P>H<B>2</B>O, <I>x</I>.<BR>0<%= n %>.07 y<A>z</A>" << ""
            << QStringList{"<P>H<B>2</B>O,", "<I>x</I>.<BR>0<%= n %>.07 y<A>z", "</A>"};
        QTest::newRow("a blank the page has between inline pieces stays a break")
            << "x <B> y</B> z<BR> w<I>v</I> <A>u</A>" << "" << QStringList{"x", "<B>y", "</B>z", "<BR>", "w<I>v", "</I>", "<A>u", "</A>"};
        QTest::newRow("tag missing from the database stays on the line")
            << "<P><BLINK>x</BLINK> y" << "" << QStringList{"<P><BLINK>x", "</BLINK>y"};
        QTest::newRow("tag case changes names only")
            << "<p align=Left>a<!--note--><%=Now%><br/>b" << "case" << QStringList{"<P align=Left>a<!--note--><%=Now%><BR/>b"};
        QTest::newRow("a comment stands as the page has it")
            << "<P>a<!-- a  > <b>\n   keep  -->b" << "case" << QStringList{"<P>a<!-- a  > <b>", "   keep  -->b"};
        QTest::newRow("a comment is never cut, the blank after it stays a break")
            << "<P>x <!-- one two three four five six seven eight nine --> y" << "margin"
            << QStringList{"<P>x", "<!-- one two three four five six seven eight nine -->", "y"};
        QTest::newRow("a tag closing itself holds no script and opens no level")
            << "<SCRIPT SRC=\"a.js\"/><B>x</B> <DIV/><DIV>a</DIV>" << ""
            << QStringList{"<SCRIPT SRC=\"a.js\"/><B>x", "</B>", "<DIV/>", "<DIV>", "   a", "</DIV>"};
        QTest::newRow("a blank after a > of the text stays")
            << "<P>x > 2, a => b, p-> q, &lt;Object> y" << "" << QStringList{"<P>x > 2, a => b, p-> q, &lt;Object> y"};
        QTest::newRow("a blank after a > of the text stays where the margin does not cut")
            << "<P>aaaa bbbb cccc dddd eeee ffff gggg hh > i jjjj" << "margin"
            << QStringList{"<P>aaaa bbbb cccc dddd eeee ffff gggg hh", "> i jjjj"};
        QTest::newRow("a blank after > inside quotes stays")
            << "<IMG ALT=\"a> b\">" << "" << QStringList{"<IMG ALT=\"a> b\">"};
        QTest::newRow("cut at the first blank beyond the margin")
            << "<P>aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk" << "margin"
            << QStringList{"<P>aaaa bbbb cccc dddd eeee ffff gggg hhhh", "iiii jjjj kkkk"};
        QTest::newRow("without a blank beyond the margin, the line stays whole")
            << "aaaa bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb" << "margin"
            << QStringList{"aaaa bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"};
        QTest::newRow("text running on into a tag stays joined past the margin")
            << "<P>aaaa <A HREF=\"x\">" + QString(40, QLatin1Char('h')) + "</A>, iiii" << "margin"
            << QStringList{"<P>aaaa", "<A HREF=\"x\">" + QString(40, QLatin1Char('h')) + "</A>,", "iiii"};
        QTest::newRow("a quoted value is never cut")
            << "<IMG SRC=x.gif ALT=\"one two three four five six seven eight\" WIDTH=1>" << "margin"
            << QStringList{"<IMG SRC=x.gif ALT=\"one two three four five six seven eight\"", "WIDTH=1>"};
        QTest::newRow("a server block is never cut, the blank after it stays a break")
            << "<%= Server.HTMLEncode(Request(\"q\")) & \" \" & Session(\"name\") & \" \" & x %> text" << "margin"
            << QStringList{"<%= Server.HTMLEncode(Request(\"q\")) & \" \" & Session(\"name\") & \" \" & x %>", "text"};
    }
    void tags_are_laid_out_by_their_flags() {
        QFETCH(QString, page);
        QFETCH(QString, settings);
        QFETCH(QStringList, lines);
        ConfigTable config = formatter_config();
        if (settings == QLatin1String("case")) config.set_value(tag_case, QStringLiteral("1"));
        if (settings == QLatin1String("margin")) config.set_value(right_margin, QStringLiteral("40"));
        QCOMPARE(cleaned_lines(page, config), lines);
    }

    void deep_nesting_is_capped_at_33_blanks() {
        const ConfigTable config = formatter_config({{level_indent, "4"}});
        const QStringList lines = cleaned_lines(QString(QStringLiteral("<DIV>")).repeated(9) + QStringLiteral("x</DIV></DIV>"), config);
        for (int level = 0; level < 9; ++level) QCOMPARE(lines[level], QString(4 * level, QLatin1Char(' ')) + QStringLiteral("<DIV>"));
        QCOMPARE(lines[9], QString(33, QLatin1Char(' ')) + QStringLiteral("x"));
        QCOMPARE(lines.mid(10), QStringList({"</DIV>", "</DIV>"}));  // the level started again from 0
    }

    void preformatted_content_stands_as_the_page_has_it_data() {
        QTest::addColumn<QString>("element");
        for (const char* name : {"PRE", "pre", "TEXTAREA", "LISTING", "XMP"}) QTest::newRow(name) << QString::fromLatin1(name);
    }
    void preformatted_content_stands_as_the_page_has_it() {
        QFETCH(QString, element);
        const QString block = QStringLiteral("<%1 class=x>\n  a  >  b\n\n\tc <B>d</B>   \n</%1>").arg(element);
        const QString page = QStringLiteral("<BODY><DIV>\n<P>before\n") + block + QStringLiteral("after</DIV></BODY>");
        const QString out = cleaned(page, formatter_config({{tag_case, "1"}}));
        QString expected = block;
        expected.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        expected.replace(0, element.size() + 1, QLatin1Char('<') + element.toUpper());
        expected.replace(QStringLiteral("</") + element, QStringLiteral("</") + element.toUpper());
        QVERIFY2(out.contains(QStringLiteral("\r\n   ") + expected + QStringLiteral("\r\n")), qPrintable(out));
        QVERIFY(out.endsWith(QStringLiteral("after\r\n</DIV>\r\n</BODY>\r\n")));
    }

    void nested_pre_ends_at_its_own_close_and_plaintext_at_the_end() {
        QCOMPARE(cleaned(QStringLiteral("<PRE>a\n<PRE> b</PRE>\n c</PRE><P>x")),
                 QStringLiteral("<PRE>a\r\n<PRE> b</PRE>\r\n c</PRE>\r\n<P>x\r\n"));
        QCOMPARE(cleaned(QStringLiteral("<P>x<PLAINTEXT>\n  </PLAINTEXT> <P>y\n")),
                 QStringLiteral("<P>x\r\n<PLAINTEXT>\r\n  </PLAINTEXT> <P>y\r\n"));
    }

    void server_blocks_and_quoted_values_keep_their_line_breaks() {
        const QString asp = QStringLiteral("<% If a > b Then\n     x = 1\n   End If %>");
        QCOMPARE(cleaned(QStringLiteral("<P>") + asp + QStringLiteral(" done")),
                 QStringLiteral("<P>") + QString(asp).replace(QStringLiteral("\n"), QStringLiteral("\r\n")) + QStringLiteral(" done\r\n"));
        const QString handler = QStringLiteral("<A HREF=x\n   onclick=\"a = 1\n   b = 2\">go</A>");
        QCOMPARE(cleaned(handler), QStringLiteral("<A HREF=x onclick=\"a = 1\r\n   b = 2\">go\r\n</A>\r\n"));
    }

    void nothing_of_the_page_is_lost_or_moved() {
        // A script block whose tag has no breaks, style text no "}" ends, a tag left open at the end.
        QCOMPARE(cleaned_lines(QStringLiteral("<P>x<SCRIPT>a = 1;</SCRIPT>"), formatter_config()),
                 QStringList({"<P>x", "<SCRIPT>", "a = 1;", "</SCRIPT>"}));
        QCOMPARE(cleaned_lines(QStringLiteral("<STYLE><!--\np{color:red}\n--></STYLE>"), formatter_config()),
                 QStringList({"<STYLE>", "<!--", "p           {color             : red;}", "-->", "</STYLE>"}));
        QCOMPARE(cleaned_lines(QStringLiteral("<P>text <B class="), formatter_config()), QStringList({"<P>text", "<B class="}));
        QCOMPARE(cleaned_lines(QStringLiteral("<PRE>a\n <B class="), formatter_config()), QStringList({"<PRE>a", " <B class="}));
        QCOMPARE(cleaned_lines(QStringLiteral("<% a > b <B"), formatter_config()), QStringList({"<% a > b <B"}));
        // A page that is nothing but a tag it leaves open makes no token at all.
        QCOMPARE(cleaned_lines(QStringLiteral("<B class="), formatter_config()), QStringList({"<B class="}));
        QCOMPARE(cleaned_lines(QStringLiteral("  <A HREF=x\n"), formatter_config()), QStringList({"<A HREF=x"}));
    }

    void a_script_line_beginning_with_a_bracket_stays_script() {
        QCOMPARE(cleaned_lines(QStringLiteral("<SCRIPT>if (a\n<b) { x(); }\n</SCRIPT>"), formatter_config()),
                 QStringList({"<SCRIPT>", "if (a", "<b)", "{", "   x();", "}", "</SCRIPT>"}));
    }

    void texts_alone_are_enough_without_spans() {
        TokenStream tokens = tokens_of_page(QStringLiteral("<UL><LI>one</UL><PRE>\n a\n b</PRE><% x %>"));
        const QString expected = QStringLiteral("<UL>\r\n   <LI>one\r\n</UL>\r\n<PRE>a\r\nb</PRE>\r\n<% x %>\r\n");
        tokens.texts = tokens.line_texts();
        tokens.spans.clear();
        QCOMPARE(format_page(tokens, formatter_database(), formatter_config()), expected);
        tokens.spans = {{5, 2}};  // spans that do not fit are not used
        QCOMPARE(format_page(tokens, formatter_database(), formatter_config()), expected);
    }

    // A step that read again what it had read would take hours on big pages: the time must grow with the
    // page as a single pass's does. None may crash either.
    void hostile_input_is_formatted_in_one_pass_data() {
        QTest::addColumn<test::InputOfSize>("input");
        QTest::newRow("text running on through tags")
            << test::InputOfSize([](int n) { return QStringLiteral("x<B>").repeated(n); });
        QTest::newRow("tags without text")
            << test::InputOfSize([](int n) { return QStringLiteral("<B>").repeated(n) + QStringLiteral("x"); });
        QTest::newRow("a quote never closed")
            << test::InputOfSize([](int n) { return QStringLiteral("<P>\"") + QStringLiteral("a ").repeated(n); });
        QTest::newRow("deep lists") << test::InputOfSize([](int n) { return QStringLiteral("<UL><LI>").repeated(n); });
    }
    void hostile_input_is_formatted_in_one_pass() {
        QFETCH(test::InputOfSize, input);
        QVERIFY(!cleaned(input(1000)).isEmpty());
        // Only the formatter is timed: the scanner has its own check.
        const QString growth = test::growth_beyond_linear(input, [](const QString& page) {
            return [tokens = tokens_of_page(page)] { format_page(tokens, formatter_database(), formatter_config()); };
        });
        QVERIFY2(growth.isEmpty(), qPrintable(growth));
    }

    void progress_is_shown_as_cleanup() {
        RecordingListener listener;
        ProgressModel progress(&listener);
        format_page(tokens_of_page(QStringLiteral("<P>a<P>b<P>c")), formatter_database(), formatter_config(), &progress);
        QCOMPARE(listener.captions, QStringList{"Cleanup"});
        QCOMPARE(listener.last_percent, 100);
        QVERIFY(listener.closed);
    }
};

TAMSEL_TEST(CleanupFormatterTest)
#include "cleanup_formatter_test.moc"
