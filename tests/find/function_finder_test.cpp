// The function finder lists what a page's scripts declare, with the names a user reads in the list.
#include "find/function_finder.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

QString names_of(const QList<FunctionEntry>& entries) {
    QStringList names;
    for (const FunctionEntry& e : entries) names.append(QStringLiteral("%1@%2").arg(e.name).arg(e.line + 1));
    return names.join(u' ');
}

}  // namespace

class FunctionFinderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void declarations_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("found");  // name@line, in the list's order
        QTest::newRow("no script block") << "<p>function add(a, b) {</p>" << "";
        QTest::newRow("a block with no declaration") << "<script>var x = 1;</script>" << "";
        QTest::newRow("a function with its arguments cut off")
            << "<html>\r\n<script>\r\nfunction add(a, b) {\r\n return a + b;\r\n}\r\n</script>" << "add@3";
        QTest::newRow("a sub in any letter case, its end skipped")
            << "<SCRIPT language=vbscript>\nSub Window_OnLoad()\n  Exit Sub\nEnd Sub\n</SCRIPT>" << "Window_OnLoad@2";
        QTest::newRow("functions that name nothing")
            << "<script>\nvar f = function(a, b) {};\ng = function (x) {};\nfunction\nFunction.prototype.bind = f;\n</script>" << "";
        QTest::newRow("functions before subs within a block")
            << "<script>\nSub First\nFunction Second()\n</script>" << "Second@3 First@2";
        QTest::newRow("blocks in page order")
            << "<script>\nsub one\n</script>\n<script>\nfunction two()\n</script>" << "one@2 two@5";
        QTest::newRow("nothing outside a block") << "function out()\n<script>\n</script>\nsub later" << "";
        QTest::newRow("an unclosed block runs to the end") << "<script>\nfunction open_end()" << "open_end@2";
        QTest::newRow("whole words only") << "<script>\nfunctions x\nsubmit y\nmy_function z\n</script>" << "";
        QTest::newRow("two of one name both listed") << "<script>\nfunction f()\nfunction f(a)\n</script>" << "f@2 f@3";
        QTest::newRow("a comment that reads like one is listed") << "<script>\n// the function sum adds\n</script>"
                                                                  << "sum adds@2";
        QTest::newRow("lines counted over CR-only ends") << "<script>\rx\rfunction cr()\r</script>" << "cr@3";
    }
    void declarations() {
        QFETCH(QString, page);
        QFETCH(QString, found);
        QCOMPARE(names_of(find_functions(page)), found);
    }

    void a_declaration_spans_to_its_line_end() {
        const QString page = QStringLiteral("<script>\r\n  function add(a) { return a; }\r\n</script>");
        const QList<FunctionEntry> entries = find_functions(page);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(page.mid(entries[0].start, entries[0].length), QStringLiteral("function add(a) { return a; }"));
    }

    void a_pick_selects_the_first_of_its_name() {
        const QList<FunctionEntry> entries = find_functions(u"<script>\nfunction f()\nsub g\nfunction f(a)\n</script>");
        QCOMPARE(first_entry_named(entries, QStringLiteral("f")), 0);
        QCOMPARE(first_entry_named(entries, QStringLiteral("g")), 2);
        QCOMPARE(first_entry_named(entries, QStringLiteral("h")), -1);
    }
};

TAMSEL_TEST(FunctionFinderTest)
#include "function_finder_test.moc"
