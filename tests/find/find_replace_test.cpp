// Find and replace on an editor in memory: find next never wraps and starts where the Part's users
// expect, Replace All takes every match once as one undo step, and braces match by nesting.
#include "find/find_replace.h"
#include "platform/memory_buffer.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

Q_DECLARE_METATYPE(tamsel::SearchOptions)

namespace {

SearchOptions opts(bool whole_word, bool match_case, bool regex = false) { return {whole_word, match_case, regex}; }

}  // namespace

class FindReplaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void find_next_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sel_start");
        QTest::addColumn<int>("sel_length");
        QTest::addColumn<QString>("what");
        QTest::addColumn<SearchOptions>("options");
        QTest::addColumn<int>("found");
        QTest::newRow("without case, Body finds BODY") << "<BODY>" << 0 << 0 << "Body" << opts(false, false) << 1;
        QTest::newRow("with case it does not") << "<BODY>" << 0 << 0 << "Body" << opts(false, true) << -1;
        QTest::newRow("whole word: body not inside tbody") << "<tbody><body>" << 0 << 0 << "body" << opts(true, false) << 8;
        QTest::newRow("at the caret of a fresh page") << "abc abc" << 0 << 0 << "abc" << opts(false, false) << 0;
        QTest::newRow("a selection moves on one past its start") << "abc abc" << 0 << 3 << "abc" << opts(false, false) << 4;
        QTest::newRow("no wrap to the top") << "abc abc" << 4 << 3 << "abc" << opts(false, false) << -1;
        QTest::newRow("regular expression") << "a1 b22" << 0 << 0 << "[a-z]\\d{2}" << opts(false, false, true) << 3;
        const QString long_text = QString(10'000, u'q');
        QTest::newRow("a search text of 10,000 characters") << QStringLiteral("xx") + long_text << 0 << 0 << long_text
                                                           << opts(true, false) << -1;
        QTest::newRow("a search text of 10,000 characters, found") << QStringLiteral("x ") + long_text << 0 << 0
                                                                  << long_text.toUpper() << opts(true, false) << 2;
    }
    void find_next() {
        QFETCH(QString, text);
        QFETCH(int, sel_start);
        QFETCH(int, sel_length);
        QFETCH(QString, what);
        QFETCH(SearchOptions, options);
        QFETCH(int, found);
        MemoryBuffer buffer(text);
        buffer.set_selection(sel_start, sel_length);
        QCOMPARE(tamsel::find_next(buffer, what, options), found);
        if (found >= 0) QCOMPARE(buffer.selection_start(), found);
    }

    void replace_all_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<SearchOptions>("options");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");
        QTest::newRow("every one, the first character included") << "aaaa" << "a" << "b" << opts(false, false) << "bbbb" << 4;
        QTest::newRow("a replacement holding the search text") << "ab ab" << "ab" << "xabx" << opts(false, false) << "xabx xabx" << 2;
        QTest::newRow("whole words only") << "<td><tbody>td" << "td" << "TD" << opts(true, false) << "<TD><tbody>TD" << 2;
        QTest::newRow("none") << "abc" << "x" << "y" << opts(false, false) << "abc" << 0;
        QTest::newRow("groups of an expression") << "a=1, b=2" << "(\\w)=(\\d)" << "\\2=\\1" << opts(false, false, true) << "1=a, 2=b" << 2;
    }
    void replace_all() {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(SearchOptions, options);
        QFETCH(QString, result);
        QFETCH(int, count);
        MemoryBuffer buffer(text);
        QCOMPARE(tamsel::replace_all(buffer, what, with, options), count);
        QCOMPARE(buffer.text(), result);
        if (count == 0) return;
        buffer.undo();  // one step
        QCOMPARE(buffer.text(), text);
    }

    void a_wrong_expression_replaces_nothing() {
        MemoryBuffer buffer(QStringLiteral("abc"));
        QString error;
        QCOMPARE(tamsel::replace_all(buffer, QStringLiteral("(a"), QStringLiteral("x"), opts(false, false, true), &error), 0);
        QVERIFY(!error.isEmpty());
        QCOMPARE(buffer.text(), QStringLiteral("abc"));
    }

    // Half a million hits in one pass.
    void a_large_replace_is_one_pass() {
        QString text;
        for (int i = 0; i < 500000; ++i) text += QStringLiteral("<b>x</b>");
        MemoryBuffer buffer(text);
        QCOMPARE(tamsel::replace_all(buffer, QStringLiteral("<b>"), QStringLiteral("<strong>"), opts(false, false)), 500000);
        QVERIFY(buffer.text().startsWith(QStringLiteral("<strong>x</b><strong>")));
    }

    void braces_match_by_nesting_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("match");
        QTest::newRow("two inner blocks") << "x{ { } { } }" << 1 << 11;
        QTest::newRow("backward from a closing brace") << "x{ { } { } }" << 11 << 1;
        QTest::newRow("at position 0") << "{a}" << 0 << 2;
        QTest::newRow("never closed") << "{ {" << 0 << -1;
        QTest::newRow("no brace there") << "abc" << 1 << -1;
    }
    void braces_match_by_nesting() {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, match);
        QCOMPARE(matching_brace(text, from).value_or(-1), match);
    }
};

TAMSEL_TEST(FindReplaceTest)
#include "find_replace_test.moc"
