// The inspector's engine: a tag read into known attributes and the rest, and rebuilt from the rows
// without losing anything the user did not remove.
#include "inspector/tag_properties.h"
#include "support/test_registry.h"
#include "tagdb/fixed_tables.h"

#include <QTest>

using namespace tamsel;

namespace {

// The attributes of IMG as a small database lists them, in database order.
const QList<AttrRecord> img = {
    {QStringLiteral("IMG"), QStringLiteral("SRC"), type_url, {}, true},
    {QStringLiteral("IMG"), QStringLiteral("ALT"), type_text, {}, false},
    {QStringLiteral("IMG"), QStringLiteral("ALIGN"), type_choice, QStringLiteral("top, middle,bottom ,"), false},
    {QStringLiteral("IMG"), QStringLiteral("onClick"), type_event, {}, false},
    {QStringLiteral("IMG"), QStringLiteral("NOWRAP"), type_boolean, {}, false},
};

QString round_trip(const QString& tag) {
    const ParsedTag parsed = parse_tag(tag, img);
    return rebuild_tag(parsed.key, property_rows(parsed, img), parsed.extra, parsed.closes_itself);
}

}  // namespace

class TagPropertiesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tags_rebuild_from_their_rows_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("rebuilt");
        QTest::newRow("spaced equals and single quotes") << "<img src = 'a.gif'>" << "<IMG  SRC=a.gif>";
        QTest::newRow("database order, not the tag's") << "<img alt=x src=a.gif>" << "<IMG SRC=a.gif ALT=x>";
        QTest::newRow("a value with blanks is quoted") << "<img alt='a b' src=\"c\">" << "<IMG SRC=c ALT=\"a b\">";
        QTest::newRow("blanks around an inner = stay in a quoted value")
            << "<img alt=\"a = b\">" << "<IMG  ALT=\"a = b\">";
        QTest::newRow("unknown attributes and bare words come after")
            << "<img class=big src=a ISMAP>" << "<IMG  SRC=a CLASS=big ISMAP>";
        QTest::newRow("a duplicate keeps its first value") << "<img src=a src=b>" << "<IMG  SRC=a>";
        QTest::newRow("no attributes") << "<IMG>" << "<IMG>";
        QTest::newRow("an apostrophe inside double quotes") << "<img alt=\"it's\">" << "<IMG  ALT=\"it's\">";
        QTest::newRow("a double quote inside single quotes") << "<img alt='say \"hi\"'>" << "<IMG  ALT='say \"hi\"'>";
        QTest::newRow("an empty quoted value is kept") << "<img alt=\"\">" << "<IMG  ALT=\"\">";
        QTest::newRow("a value equal to its name is kept") << "<img nowrap=NOWRAP>" << "<IMG  NOWRAP=NOWRAP>";
        QTest::newRow("an unclosed quote keeps the rest") << "<img alt=\"a b src=c>" << "<IMG  ALT=\"a b src=c\">";
        QTest::newRow("XHTML empty element closes itself again") << "<img alt=\"Logo\"/>" << "<IMG  ALT=Logo />";
        QTest::newRow("a slash inside an unquoted value stays in it") << "<img src=a/>" << "<IMG  SRC=a/>";
    }
    void tags_rebuild_from_their_rows() {
        QFETCH(QString, tag);
        QFETCH(QString, rebuilt);
        QCOMPARE(round_trip(tag), rebuilt);
    }

    void rows_hold_attributes_then_events() {
        const ParsedTag parsed = parse_tag(u"<IMG onclick=\"go()\" src=a>", img);
        const QList<PropertyRow> rows = property_rows(parsed, img);
        QStringList names;
        for (const PropertyRow& r : rows) names << r.name + QLatin1Char('=') + r.value;
        QCOMPARE(names, (QStringList{"Tag Attributes=Tag Attributes", "SRC=a", "ALT=", "ALIGN=", "NOWRAP=",
                                     "Events=Events", "onClick=\"go()\""}));
        QVERIFY(rows[0].is_header() && rows[5].is_header() && !rows[6].is_header());
    }

    void a_cleared_value_drops_the_attribute() {
        const ParsedTag parsed = parse_tag(u"<img src=a alt=b>", img);
        QList<PropertyRow> rows = property_rows(parsed, img);
        rows[2].value.clear();  // ALT
        QCOMPARE(rebuild_tag(parsed.key, rows, parsed.extra), QStringLiteral("<IMG  SRC=a>"));
    }

    void written_values_never_break_the_tag_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain word") << "center" << "center";
        QTest::newRow("quotes of the value are taken off") << "\"x.gif\"" << "x.gif";
        QTest::newRow("markup characters") << "a<b" << "\"a<b\"";
        QTest::newRow("both kinds of quote") << "it's \"so\"" << "\"it's &quot;so&quot;\"";
        QTest::newRow("backquote") << "a`b" << "\"a`b\"";
    }
    void written_values_never_break_the_tag() {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QCOMPARE(written_value(value), written);
    }

    void editing_sees_the_value_without_quotes_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("edited");
        QTest::newRow("single quotes") << "'a.gif'" << "a.gif";
        QTest::newRow("double quotes with blanks inside") << "\" a b \"" << "a b";
        QTest::newRow("one quote only") << "\"abc" << "abc";
        QTest::newRow("bare") << "abc" << "abc";
    }
    void editing_sees_the_value_without_quotes() {
        QFETCH(QString, value);
        QFETCH(QString, edited);
        QCOMPARE(editable_value(value), edited);
    }

    void choices_split_and_trim() {
        QCOMPARE(choice_items(img[2].choices), (QStringList{"top", "middle", "bottom"}));
        QCOMPARE(choice_items(u""), QStringList());
    }

    void opening_text_is_normalised() {
        QCOMPARE(normalised_tag_text(u"<IMG\r\n  SRC=a\tALT=\"b  c\">"), QStringLiteral("<IMG SRC=a ALT=\"b c\">"));
    }

    // Hostile tags: hundreds of attributes and a long value come back whole.
    void large_tags_lose_nothing() {
        QString tag = QStringLiteral("<img src=\"") + QString(100000, QLatin1Char('x')) + QLatin1Char('"');
        for (int i = 0; i < 300; ++i) tag += QStringLiteral(" data-%1=v%1").arg(i);
        const QString rebuilt = round_trip(tag + QLatin1Char('>'));
        QVERIFY(rebuilt.contains(QString(100000, QLatin1Char('x'))));
        QVERIFY(rebuilt.contains(QStringLiteral("DATA-299=v299")));
        // A long run of blanks before "=" is read once, not once per blank.
        QCOMPARE(round_trip(QStringLiteral("<img alt") + QString(200000, QLatin1Char(' ')) + QStringLiteral("=x>")),
                 QStringLiteral("<IMG  ALT=x>"));
    }
};

TAMSEL_TEST(TagPropertiesTest)
#include "tag_properties_test.moc"
