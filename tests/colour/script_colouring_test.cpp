// Colouring of JavaScript, VBScript and CSS documents: each stretch takes the colour of its word class,
// and bad input (an unclosed string or comment, a stray quote) never spills into what follows it.
#include "colour/script_colouring.h"
#include "core/document_kinds.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

Q_DECLARE_METATYPE(tamsel::ScriptLanguage)

namespace {

// Distinct colours, shown by one letter each: n(ormal) t(ag) a(rg) v(al) c(om) s(erver).
const ColourScheme scheme{1, 2, 3, 4, 5, 6};

QString paint_map(const QString& text, ScriptLanguage language) {
    const QList<ColourRun> runs = colour_script(text, language, scheme);
    QString map;
    qsizetype next = 0;
    for (const ColourRun& r : runs) {
        if (r.start != next) return QStringLiteral("gap at %1").arg(next);
        for (qsizetype i = 0; i < r.length; ++i) map += QStringLiteral(".ntavcs").at(static_cast<qsizetype>(r.colour));
        next = r.start + r.length;
    }
    return next == text.size() ? map : QStringLiteral("runs end at %1").arg(next);
}

}  // namespace

class ScriptColouringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void words_take_their_class_colour_data() {
        QTest::addColumn<ScriptLanguage>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("map");
        const auto js = ScriptLanguage::JavaScript;
        const auto vbs = ScriptLanguage::VBScript;
        const auto css = ScriptLanguage::Css;
        QTest::newRow("js keywords, names and numbers") << js << "var x = 0x1F;" << "tttnnnnnaaaan";
        QTest::newRow("js keyword inside a longer name stays plain") << js << "format(iffy)" << "nnnnnnnnnnnn";
        QTest::newRow("js escaped quote stays in its string") << js << "'a\\'b' + c" << "vvvvvvnnnn";
        QTest::newRow("js line and block comments") << js << "a // b\nc /* d\ne */ f" << "nncccc" "n" "nnccccccccc" "nn";
        QTest::newRow("js unclosed string ends with its line") << js << "x = 'oops\nif" << "nnnnvvvvv" "n" "tt";
        QTest::newRow("js template literal runs over lines") << js << "`a\nb` if" << "vvvvvntt";
        QTest::newRow("js pattern after = but division after a name") << js << "r = /a\\/b/g; q = a / b / c"
                                                                       << "nnnnvvvvvvvn" "nnnnnnnnnnnnnn";
        QTest::newRow("js pattern after return") << js << "return /x[/]y/" << "ttttttnvvvvvvv";
        QTest::newRow("js exponent sign belongs to the number") << js << "1.5e-3-x" << "aaaaaann";
        QTest::newRow("vbs keywords in any case") << vbs << "DIM x\nif X Then" << "tttnn" "n" "ttnnntttt";
        QTest::newRow("vbs doubled quote inside a string") << vbs << "s = \"a\"\"b\" & c" << "nnnnvvvvvvnnnn";
        QTest::newRow("vbs apostrophe and Rem comments") << vbs << "x ' y\nREM z\nremark" << "nnccc" "n" "ccccc" "n" "nnnnnn";
        QTest::newRow("vbs hex number and concatenation") << vbs << "&H1F& & &Hz" << "aaaaa" "nnn" "nnn";
        QTest::newRow("vbs date literal and a lone hash") << vbs << "#1/2/2001# #\nx" << "vvvvvvvvvvnn" "n" "n";
        QTest::newRow("css selector, property and value") << css << "a.b:hover { color: red; }"
                                                          << "tttttttttnnnaaaaannvvvnnn";
        QTest::newRow("css comment and string in a value") << css << "p{/*c*/font:'x y'}" << "tncccccaaaanvvvvvn";
        QTest::newRow("css group rule holds rules") << css << "@media print{b{x:y}}" << "ssssss" "nnnnnn" "ntnanvnn";
        QTest::newRow("css other at-rule holds declarations") << css << "@font-face{src:u}" << "ssssssssss" "naaanvn";
        QTest::newRow("css import ends at its semicolon") << css << "@import 'a';b{}" << "sssssss" "nvvvntnn";
        QTest::newRow("css stray closing brace keeps the top level") << css << "}a{b:c}" << "ntnanvn";
        QTest::newRow("css unclosed comment runs to the end") << css << "a{/*b:c}" << "tncccccc";
    }
    void words_take_their_class_colour() {
        QFETCH(ScriptLanguage, language);
        QFETCH(QString, text);
        QFETCH(QString, map);
        QCOMPARE(paint_map(text, language), map);
    }

    void languages_follow_the_document_type() {
        QCOMPARE(script_language_of(doc_javascript), ScriptLanguage::JavaScript);
        QCOMPARE(script_language_of(doc_vbscript), ScriptLanguage::VBScript);
        QCOMPARE(script_language_of(doc_css), ScriptLanguage::Css);
        QVERIFY(!script_language_of(doc_html));
        QVERIFY(!script_language_of(doc_text));
    }

    // Deep nesting and characters beyond one code unit neither crash the lexers nor shift the runs.
    void odd_input_is_covered_whole() {
        QString deep;
        for (int i = 0; i < 200; ++i) deep += QStringLiteral("@media x{");
        deep += QStringLiteral("a{b:c}");
        for (const ScriptLanguage language : {ScriptLanguage::JavaScript, ScriptLanguage::VBScript, ScriptLanguage::Css}) {
            for (const QString& text : {deep, QStringLiteral("\"caf\u00E9 \U0001F600\" /"), QStringLiteral("'\\"), QString()}) {
                const QString map = paint_map(text, language);
                QCOMPARE(map.size(), text.size());
            }
        }
    }
};

TAMSEL_TEST(ScriptColouringTest)
#include "script_colouring_test.moc"
