// JavaScript, VBScript and style sheets as the cleanup lays them out.
#include "analyze/cleanup_support.h"
#include "analyze/page_cleanup.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;
using namespace tamsel::test;

namespace {

void compare_layout(PageKind kind) {
    QFETCH(QString, page);
    QFETCH(QStringList, lines);
    QCOMPARE(cleaned_lines(page, formatter_config(), kind), lines);
}

}  // namespace

class ScriptFormatterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void javascript_braces_of_the_code_only_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("braces stand alone, the text between one level deeper")
            << "function f(a) { if (a) { g(); } }"
            << QStringList{"function f(a)", "{", "   if (a)", "   {", "      g();", "   }", "}"};
        QTest::newRow("braces in strings with escaped quotes")
            << "s = \"{\\\"}\" + 'it\\'s {';" << QStringList{"s = \"{\\\"}\" + 'it\\'s {';"};
        QTest::newRow("braces in comments")
            << "x = 1; // {\n/* { */ y = 2; /* a\n} */ z = 3;"
            << QStringList{"x = 1; // {", "/* { */ y = 2; /* a", "} */ z = 3;"};
        QTest::newRow("braces in regular expressions, not after a division")
            << "r = /[{}]\\}/g; s = t.replace(/{/, ''); q = a / b; if (q) { go(); }"
            << QStringList{"r = /[{}]\\}/g; s = t.replace(/{/, ''); q = a / b; if (q)", "{", "   go();", "}"};
        QTest::newRow("braces in template literals and their expressions")
            << "s = `{${ {a: '}'}.a }}`; f();" << QStringList{"s = `{${ {a: '}'}.a }}`; f();"};
        QTest::newRow("a template literal over lines keeps its lines")
            << "if (x) { s = `one\n    two {\n\n  three`; }"
            << QStringList{"if (x)", "{", "   s = `one", "    two {", "", "  three`;", "}"};
        QTest::newRow("return and throw keep their brace")
            << "function f() { return { a: 1 }; }\nthrow {code: 2};"
            << QStringList{"function f()", "{", "   return {", "      a: 1", "   }", "   ;", "}", "throw {", "   code: 2", "}", ";"};
        QTest::newRow("markers that hide a script from old browsers")
            << "<!-- if (a) {\nb();\n--> }" << QStringList{"<!-- if (a) {", "b();", "--> }"};
    }
    void javascript_braces_of_the_code_only() { compare_layout(PageKind::javascript); }

    void vbscript_levels_words_and_blanks_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one-line If opens nothing") << "If x Then y = 1\nz = 2" << QStringList{"If x Then y=1", "z=2"};
        QTest::newRow("If Then opens a level") << "If x Then\ny = 1\nEnd If" << QStringList{"If x Then", "   y=1", "End If"};
        QTest::newRow("a comment after Then is no statement")
            << "If x Then ' note\ny = 1\nEnd If" << QStringList{"If x Then ' note", "   y=1", "End If"};
        QTest::newRow("Else stands one level out")
            << "If x Then\na\nElse\nb\nEnd If" << QStringList{"If x Then", "   a", "Else", "   b", "End If"};
        QTest::newRow("a procedure is followed by a blank line")
            << "Public Sub Foo()\nMsgBox 1\nEnd Sub\nx = 1"
            << QStringList{"public Sub foo()", "   MsgBox 1", "End Sub", " ", "x=1"};
        QTest::newRow("words take their written form, numbers and names with _ their own")
            << "dim X_Val : msgbox ucase(X_Val) & VBCRLF & &HFF & 1E5"
            << QStringList{"Dim X_val : MsgBox UCase(X_val) & vbCrLf & &hff & 1E5"};
        QTest::newRow("strings and comments keep their blanks and case")
            << "MsgBox \"A  ,  B\" , X   ' Keep  = This" << QStringList{"MsgBox \"A  ,  B\",x ' Keep  = This"};
        QTest::newRow("a TAB inside a string stays") << "s =\t\"a\tb\"" << QStringList{"s=\"a\tb\""};
    }
    void vbscript_levels_words_and_blanks() { compare_layout(PageKind::vbscript); }

    void a_vbscript_file_stays_vbscript_before_a_later_javascript_block() {
        const QString page = QStringLiteral("dim x : msgbox x\n</SCRIPT>\n<SCRIPT LANGUAGE=\"JavaScript\">\nif (a) { b(); }\n</SCRIPT>");
        const QStringList lines = cleaned_lines(page, formatter_config(), PageKind::vbscript);
        QCOMPARE(lines.first(), QStringLiteral("Dim x : MsgBox x"));
        QVERIFY2(lines.contains(QStringLiteral("   b();")), qPrintable(lines.join(u'|')));
    }

    void stylesheet_rules_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one declaration a line, padded")
            << "p{color:red;margin:0}"
            << QStringList{"p           {color             : red;", "             margin            : 0;}"};
        QTest::newRow("a rule over lines is written when its brace comes; words on two lines stay two")
            << "h1,\nh2 {\nmargin: 0\nauto }"
            << QStringList{"h1, h2      {margin            : 0 auto;}"};
        QTest::newRow("a declaration without a colon keeps its text")
            << "p{foo;color:red}" << QStringList{"p           {foo;", "             color             : red;}"};
        QTest::newRow("strings and url(...) are not split")
            << "p{content:\"a ; }\";background:url(data:image/png;base64,AA)}"
            << QStringList{"p           {content           : \"a ; }\";",
                           "             background        : url(data:image/png;base64,AA);}"};
        QTest::newRow("comments: a quote inside, one after a declaration stays with it")
            << "/* don't */ p{color:red; /* main */ margin:0}"
            << QStringList{"/* don't */", "p           {color             : red;              /*main*/",
                           "             margin            : 0;}"};
        QTest::newRow("a rule the sheet leaves open is written at its end")
            << "p{color:red" << QStringList{"p           {color             : red"};
        QTest::newRow("a declaration with no value yet keeps its colon")
            << "p{color:}\nh1{margin: " << QStringList{"p           {color             : ;}", "h1          {margin            :"};
        QTest::newRow("a comment over lines")
            << "/* a {\nb } */ p{x:1}" << QStringList{"/* a {", "b } */", "p           {x                 : 1;}"};
    }
    void stylesheet_rules() { compare_layout(PageKind::stylesheet); }

    // A blank the line break left before ";" or "}" would go only at the next cleanup.
    void stylesheet_first_cleanup_is_final_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("in_page");  // a STYLE block of a page, else a style sheet file
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("the closing brace on the line after the last value")
            << "p {\n  color: blue\n}" << false << QStringList{"p           {color             : blue;}"};
        QTest::newRow("a ; on the line after its value")
            << "h1\n{\ncolor: red\n; margin: 0 auto\n}" << false
            << QStringList{"h1          {color             : red;", "             margin            : 0 auto;}"};
        QTest::newRow("a value over lines, the brace below")
            << "td {\n  font: 10pt\n    Arial\n  }" << false << QStringList{"td          {font              : 10pt Arial;}"};
        QTest::newRow("a string keeps the blank before its ;")
            << "q {\n  quotes: \"a ;\"\n}" << false << QStringList{"q           {quotes            : \"a ;\";}"};
        QTest::newRow("rules of a STYLE block, the brace below")
            << "<STYLE>\np {\n  color: blue\n}\nh1 { margin: 0\n}\n</STYLE>" << true
            << QStringList{"<STYLE>", "p           {color             : blue;}", "h1          {margin            : 0;}", "</STYLE>"};
        QTest::newRow("a STYLE block hidden in a comment")
            << "<STYLE>\n<!--\nbody {\n  color: blue\n  }\n-->\n</STYLE>" << true
            << QStringList{"<STYLE>", "<!--", "body        {color             : blue;}", "-->", "</STYLE>"};
    }
    void stylesheet_first_cleanup_is_final() {
        QFETCH(QString, page);
        QFETCH(bool, in_page);
        QFETCH(QStringList, lines);
        const QString name = name_of_page(in_page ? PageKind::html : PageKind::stylesheet);
        const QString once = clean_page(page, name, formatter_database(), formatter_config());
        QCOMPARE(once.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts), lines);
        QCOMPARE(clean_page(once, name, formatter_database(), formatter_config()), once);
    }
};

TAMSEL_TEST(ScriptFormatterTest)
#include "script_formatter_test.moc"
