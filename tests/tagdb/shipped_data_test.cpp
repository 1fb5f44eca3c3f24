// The shipped tag database against the rules its readers rely on: the nesting checks, the cleanup's levels,
// the property inspector's editors, the colour picker and the script formatter.
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/db_source.h"
#include "tagdb/table_order.h"
#include "tagdb/tag_database.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

using namespace tamsel;

namespace {

const QString comment_key = QStringLiteral("!");  // the record of comments and declarations

}  // namespace

class ShippedDataTest : public QObject {
    Q_OBJECT
    TagDatabase db_;

    const TagRecord* tag_of(const QString& key) const {
        const int i = db_.lookup_tag(key);
        return i > 0 ? &db_.tags()[i] : nullptr;
    }

    const AttrRecord* attr_of(const QString& tag_key, const QString& name) const {
        for (int i : db_.attributes_of(tag_key))
            if (db_.attrs()[i].name == name) return &db_.attrs()[i];
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase() {
        db_.load_database(test::data_dir());
        QVERIFY(!db_.db_fatal);
        QVERIFY(db_.tag_count() > 100);
    }

    void end_tags_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("closing");
        // An element without content never has an end tag: a "</BR>" is reported, a "<BR>" never waits for one.
        for (const char* key : {"!", "AREA", "BASE", "BASEFONT", "BR", "COL", "EMBED", "FRAME", "HR", "IMG", "INPUT",
                                "ISINDEX", "KEYGEN", "LINK", "META", "PARAM", "SOURCE", "TRACK", "WBR"})
            QTest::addRow("empty element %s has no end tag", key) << key << int(closing_none);
        // Pages that leave these end tags out are correct: they must not be reported as left open.
        for (const char* key : {"P", "LI", "DT", "DD", "OPTION", "TD", "TH"})
            QTest::addRow("end tag of %s may be left out", key) << key << int(closing_optional);
        // These are checked for nesting: a missing end tag is a fault.
        // An inline drawing or formula ends at its own end tag.
        for (const char* key : {"TABLE", "TR", "UL", "DIV", "A", "SCRIPT", "SVG", "MATH"})
            QTest::addRow("end tag of %s is checked", key) << key << int(closing_required);
    }
    void end_tags() {
        QFETCH(QString, key);
        QFETCH(int, closing);
        const TagRecord* r = tag_of(key);
        QVERIFY2(r, qPrintable(key));
        QCOMPARE(int(r->closing_tag), closing);
    }

    // A required parent is only ever found among the tags whose end tag is required, and the cleanup's
    // level goes up after an indenting opening tag and down before its closing tag: both breaks or neither.
    void nesting_and_indent_rules_hold() {
        QStringList faults;
        for (int i = 1; i <= db_.tag_count(); ++i) {
            const TagRecord& r = db_.tags()[i];
            for (const QString& parent : split_parents(r.parents)) {
                const TagRecord* p = tag_of(parent);
                if (!p || p->closing_tag != closing_required) faults << r.key + QStringLiteral(": parent ") + parent;
            }
            if (r.indent && !(r.closing_tag == closing_required && r.break_after_open && r.break_before_close))
                faults << r.key + QStringLiteral(": indents without a balanced pair of breaks");
        }
        const TagRecord* comment = tag_of(comment_key);
        QVERIFY(comment);
        if (comment->break_before_open || comment->break_after_open || comment->indent) faults << QStringLiteral("!: layout");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void every_tag_takes_the_global_attributes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        const std::pair<const char*, int> globals[] = {
            {"ID", type_text},              {"CLASS", type_text},           {"STYLE", type_text},
            {"TITLE", type_text},           {"LANG", type_text},            {"DIR", type_choice},
            {"HIDDEN", type_boolean},       {"TABINDEX", type_integer},     {"ACCESSKEY", type_text},
            {"DRAGGABLE", type_choice},     {"CONTENTEDITABLE", type_choice}, {"SPELLCHECK", type_choice},
            {"TRANSLATE", type_choice},     {"ROLE", type_text},            {"ARIA-LABEL", type_text},
            {"ARIA-HIDDEN", type_choice},   {"ONCLICK", type_event},        {"ONKEYDOWN", type_event},
            {"ONMOUSEOVER", type_event},    {"ONFOCUS", type_event},
        };
        for (const auto& [name, type] : globals) QTest::newRow(name) << name << type;
    }
    void every_tag_takes_the_global_attributes() {
        QFETCH(QString, name);
        QFETCH(int, type);
        QStringList missing;
        for (int i = 1; i <= db_.tag_count(); ++i) {
            const QString& key = db_.tags()[i].key;
            if (key == comment_key) continue;  // attributes of "<!" tags are never looked up
            const AttrRecord* a = attr_of(key, name);
            if (!a || a->type != type) missing << key;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
        QVERIFY(db_.attributes_of(comment_key).isEmpty());
    }

    // The validator compares a required name with the upper-cased names found in the tag; the inspector
    // lists type Event under "Events" and opens a choice list only on values joined by ",".
    void attribute_records_suit_their_readers() {
        QStringList faults;
        for (int i = 1; i <= db_.attr_count(); ++i) {
            const AttrRecord& a = db_.attrs()[i];
            const QString place = a.tag + QLatin1Char(' ') + a.name;
            if (a.name != a.name.toUpper() || a.name.contains(QLatin1Char(' '))) faults << place + QStringLiteral(": name");
            if (a.name.startsWith(QStringLiteral("ON")) != (a.type == type_event)) faults << place + QStringLiteral(": event type");
            if (a.type == type_choice && !a.choices.contains(QLatin1Char(','))) faults << place + QStringLiteral(": choices");
            if (a.type != type_choice && !a.choices.isEmpty()) faults << place + QStringLiteral(": stray choices");
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The attributes pages put on an inline drawing's or formula's own tag; what stands inside is not HTML.
    void drawings_and_formulas_take_their_attributes_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("name");
        for (const char* name : {"XMLNS", "VIEWBOX", "WIDTH", "HEIGHT", "PRESERVEASPECTRATIO", "FILL", "STROKE",
                                 "STROKE-WIDTH", "STROKE-LINECAP", "STROKE-LINEJOIN"})
            QTest::addRow("SVG %s", name) << "SVG" << name;
        for (const char* name : {"XMLNS", "DISPLAY", "ALTTEXT", "MATHCOLOR"}) QTest::addRow("MATH %s", name) << "MATH" << name;
    }
    void drawings_and_formulas_take_their_attributes() {
        QFETCH(QString, tag);
        QFETCH(QString, name);
        QVERIFY(attr_of(tag, name));
    }

    void required_attributes_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("required");
        QTest::newRow("an image names its source") << "IMG" << "SRC" << true;
        QTest::newRow("an image has a text alternative") << "IMG" << "ALT" << true;
        QTest::newRow("an image map has a name") << "MAP" << "NAME" << true;
        QTest::newRow("a text area gives its rows") << "TEXTAREA" << "ROWS" << true;
        QTest::newRow("a text area gives its columns") << "TEXTAREA" << "COLS" << true;
        QTest::newRow("a direction override names the direction") << "BDO" << "DIR" << true;
        QTest::newRow("a script may leave out its type") << "SCRIPT" << "TYPE" << false;
        QTest::newRow("a stylesheet may leave out its type") << "STYLE" << "TYPE" << false;
        QTest::newRow("a charset meta has no content") << "META" << "CONTENT" << false;
        QTest::newRow("a link target needs no address") << "A" << "HREF" << false;
        QTest::newRow("a script-driven form needs no action") << "FORM" << "ACTION" << false;
    }
    void required_attributes() {
        QFETCH(QString, tag);
        QFETCH(QString, name);
        QFETCH(bool, required);
        const AttrRecord* a = attr_of(tag, name);
        QVERIFY(a);
        QCOMPARE(a->required, required);
    }

    // Counts are 16-bit: a table that outgrew them would load with fewer records than its source lists.
    void every_record_of_the_sources_loads() {
        QStringList problems;
        const SourceTables sources = read_sources(test::source_dir() + QStringLiteral("/data"), &problems);
        QVERIFY(problems.isEmpty());
        QCOMPARE(db_.tags().size(), sources.tags.size());
        QCOMPARE(db_.attrs().size(), sources.attrs.size());
        QCOMPARE(db_.colors().size(), sources.colors.size());
        QCOMPARE(db_.vocabulary().size(), sources.vocabulary.size());
        QCOMPARE(db_.stylesheet().size(), sources.stylesheet.size());
        QVERIFY(db_.attr_count() < 32767 / 2);  // room left for the user's own additions
    }

    // The picker finds a colour's name by comparing "#" and six upper-case digits exactly.
    void colours_are_written_as_the_picker_compares_them() {
        static const QRegularExpression rgb(QStringLiteral("^#[0-9A-F]{6}$"));
        QHash<QString, QString> by_name;
        for (int i = 1; i < db_.colors().size(); ++i) {
            const ColorRecord& c = db_.colors()[i];
            QVERIFY2(rgb.match(c.value).hasMatch(), qPrintable(c.name + QLatin1Char(' ') + c.value));
            QVERIFY2(!by_name.contains(c.name.toLower()), qPrintable(c.name));
            by_name.insert(c.name.toLower(), c.value);
        }
        const std::pair<const char*, const char*> html_colours[] = {
            {"black", "#000000"}, {"silver", "#C0C0C0"}, {"gray", "#808080"},   {"white", "#FFFFFF"},
            {"maroon", "#800000"}, {"red", "#FF0000"},   {"purple", "#800080"}, {"fuchsia", "#FF00FF"},
            {"green", "#008000"}, {"lime", "#00FF00"},   {"olive", "#808000"},  {"yellow", "#FFFF00"},
            {"navy", "#000080"},  {"blue", "#0000FF"},   {"teal", "#008080"},   {"aqua", "#00FFFF"},
        };
        for (const auto& [name, value] : html_colours) QCOMPARE(by_name.value(QLatin1String(name)), QLatin1String(value));
    }

    void vocabulary_is_sorted_and_unique_as_loaded() {
        const Table<VocabEntry>& v = db_.vocabulary();
        QVERIFY(v.size() > 200);
        for (int i = 1; i < v.size(); ++i) {
            QCOMPARE(v[i].lower, v[i].written.toLower());
            QVERIFY2(!v[i].written.isEmpty() && !v[i].written.contains(QLatin1Char(' ')), qPrintable(v[i].written));
            if (i > 1) QVERIFY2(compare_8bit(v[i - 1].lower, v[i].lower) < 0, qPrintable(v[i].written));
        }
    }

    void script_words_have_their_written_form_data() {
        QTest::addColumn<QString>("written");
        // The words that open and close the formatter's levels, and some that mix their letter case.
        for (const char* w : {"Sub", "Function", "Select", "For", "With", "While", "Do", "Case", "If", "Else", "ElseIf",
                              "End", "Wend", "Loop", "Next", "Then", "MsgBox", "UCase", "vbCrLf", "Document", "Window"})
            QTest::newRow(w) << w;
    }
    void script_words_have_their_written_form() {
        QFETCH(QString, written);
        const Table<VocabEntry>& v = db_.vocabulary();
        const auto it = std::lower_bound(v.begin() + 1, v.end(), written.toLower(),
                                         [](const VocabEntry& e, const QString& w) { return compare_8bit(e.lower, w) < 0; });
        QVERIFY(it != v.end());
        QCOMPARE(it->written, written);
    }
};

TAMSEL_TEST(ShippedDataTest)
#include "shipped_data_test.moc"
