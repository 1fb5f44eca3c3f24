// Syntax colouring on a snapshot of the text.
#include "colour/colorize.h"
#include "platform/memory_buffer.h"
#include "settings/config_table.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

// Distinct colours, shown in the expected strings by one letter each: n t a v c s.
const ColourScheme scheme{1, 2, 3, 4, 5, 6};

// One letter a character: the colour it ended with ("." for untouched).
QString paint_map(const QString& text, qsizetype start = 1, qsizetype end = -1, ColouringState state = {}) {
    MemoryBuffer buffer(text);
    buffer.apply_colours(colorize(text, start, end, scheme, state).runs);
    QString map;
    for (qsizetype i = 0; i < text.size(); ++i) map += QStringLiteral(".ntavcs").at(static_cast<qsizetype>(buffer.colour_at(i)));
    return map;
}

}  // namespace

class ColorizeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tags_are_coloured_by_part_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("map");
        QTest::newRow("tag without attributes") << "x<BR>y" << ".tttt.";
        QTest::newRow("attribute without =") << "<TD NOWRAP>" << "ttttttttttt";
        QTest::newRow("values end at their blank") << "<A HREF=x.htm TARGET=main>"
                                                    << "ttt" "aaaaa" "vvvvvv" "aaaaaaa" "vvvv" "t";
        QTest::newRow("quoted value with blanks") << "<IMG ALT=\"a b\" SRC=x>"
                                                  << "ttttt" "aaaa" "vvvvv" "aaaaa" "v" "t";
        QTest::newRow("names after the last value keep the argument colour") << "<INPUT VALUE=x CHECKED>"
                                                                             << "ttttttt" "aaaaaa" "vv" "aaaaaaa" "t";
        QTest::newRow("comment up to its first >") << "<!-- a > b -->" << "cccccccc......";
        QTest::newRow("declaration") << "<!DOCTYPE html>" << "ccccccccccccccc";
        QTest::newRow("server block through %>") << "<% if a > b %>x" << "ssssssssssssss.";
        QTest::newRow("text outside tags untouched") << "a <B>b</B> c" << "..ttt.tttt..";
    }
    void tags_are_coloured_by_part() {
        QFETCH(QString, text);
        QFETCH(QString, map);
        QCOMPARE(paint_map(text), map);
    }

    void script_content_is_left_alone() {
        const QString text = QStringLiteral("<SCRIPT>if (a<b) x='<B>';</script><B>");
        QCOMPARE(paint_map(text), QStringLiteral("tttttttt" "................." "ttttttttt" "ttt"));
        // A comparison in the script does not hide the end tag from the tags after it.
        QCOMPARE(paint_map(QStringLiteral("<SCRIPT>if (a < b) {}</SCRIPT><B>")),
                 QStringLiteral("tttttttt" "............." "ttttttttt" "ttt"));
        // The in-script state carries from one run to the next.
        ColouringState state;
        colorize(QStringLiteral("<SCRIPT>"), 1, -1, scheme, state);
        QVERIFY(state.in_script);
        QCOMPARE(paint_map(QStringLiteral("<B>"), 1, -1, state), QStringLiteral("..."));
    }

    void open_blocks_end_the_run_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("map");
        QTest::newRow("server block without %>") << "<B><% x <I>" << "ttt........";
        QTest::newRow("comment without >") << "<B><!-- x" << "ttt......";
        QTest::newRow("tag without >") << "<B><I x" << "ttt....";
    }
    void open_blocks_end_the_run() {
        QFETCH(QString, text);
        QFETCH(QString, map);
        QCOMPARE(paint_map(text), map);
    }

    void range_stops_after_the_tag_reaching_its_end() {
        const QString text = QStringLiteral("<A><B><C><D>");
        QCOMPARE(paint_map(text, 4, 7), QStringLiteral("...tttttt..."));
        QCOMPARE(paint_map(text, 0, 2), QStringLiteral("ttt........."));
    }

    void a_stop_request_ends_the_run_with_what_was_done() {
        QString text;
        for (int i = 0; i < 2000; ++i) text += QStringLiteral("<P>x");
        ColouringState state;
        int polls = 0;
        const ColouringResult r = colorize(text, 1, -1, scheme, state, [&] { return ++polls == 2; });
        QVERIFY(r.stopped);
        QVERIFY(!r.runs.isEmpty());
        QVERIFY(r.runs.last().start + r.runs.last().length < text.size() / 2);
    }

    void runs_are_ordered_and_disjoint_on_a_large_page() {
        QString text;
        for (int i = 0; i < 3000; ++i)
            text += QStringLiteral("<TR><TD ALIGN=\"left side\" WIDTH=40%>cell %1</TD><!-- c --><% =x %></TR>\n").arg(i);
        ColouringState state;
        const ColouringResult r = colorize(text, 1, -1, scheme, state);
        QVERIFY(!r.stopped);
        for (qsizetype i = 1; i < r.runs.size(); ++i) {
            QVERIFY(r.runs[i].length > 0);
            QVERIFY(r.runs[i - 1].start + r.runs[i - 1].length <= r.runs[i].start);
        }
    }

    // Read a piece at a time, a page gets the colours one run over all of it gives, wherever the pieces
    // cut it, and the state after the last piece is the same.
    void pieces_colour_as_one_run_does_data() {
        QTest::addColumn<QString>("text");
        const QString page = QStringLiteral("<HTML><B CLASS=\"a b\" ID=x>bold</B><!-- a > b --> <% =x %>\n"
                                            "<SCRIPT>if (a<b) x='<B>';</SCRIPT ><I>it</I> &amp; <A HREF=p.htm>l</A>");
        QTest::newRow("a page") << page;
        QTest::newRow("a tag longer than a piece") << "<P>" + QStringLiteral("<TD ALIGN=center WIDTH=\"50%\">") + "x<B>";
        QTest::newRow("a server block that is never closed") << QStringLiteral("<B>text <% x <I> y <P>");
        QTest::newRow("a tag that is never closed") << QStringLiteral("<B>text <I x y z <P");
        QTest::newRow("a script that never ends") << QStringLiteral("<B><SCRIPT>a<b; <B> </scrip");
        QTest::newRow("no tags") << QStringLiteral("plain text, no tags at all");
        QTest::newRow("a tag cut one character after a comment") << QStringLiteral("<!><>");
    }
    void pieces_colour_as_one_run_does() {
        QFETCH(QString, text);
        MemoryBuffer whole(text);
        ColouringState whole_state;
        whole.apply_colours({ColourRun{0, text.size(), scheme.normal}});
        whole.apply_colours(colorize(text, 1, -1, scheme, whole_state).runs);
        for (const qsizetype piece : {1, 2, 3, 5, 8, 13, 64}) {
            MemoryBuffer pieces(text);
            ColouringState state;
            qsizetype covered = 0;
            const auto read = [&](qsizetype from, qsizetype n) { return text.mid(from, n); };
            const auto take = [&](qsizetype from, qsizetype n, const QList<ColourRun>& runs) {
                QCOMPARE(from, covered);  // the pieces follow each other without gap or overlap
                covered += n;
                pieces.colour_stretch(from, n, runs, scheme.normal);
            };
            QVERIFY(!colorize_in_pieces(text.size(), piece, read, take, scheme, state).stopped);
            QCOMPARE(covered, text.size());
            QCOMPARE(pieces.colour_runs(), whole.colour_runs());
            QCOMPARE(state.in_script, whole_state.in_script);
        }
    }

    void scheme_comes_from_the_configuration() {
        ConfigTable c;
        const ColourScheme s = colour_scheme(c);
        QCOMPARE(s.tag, 16711935u);
        QCOMPARE(s.com, 32512u);
        QCOMPARE(remove_colouring(QStringLiteral("abc"), s), QList<ColourRun>({{0, 3, 0}}));
    }
};

TAMSEL_TEST(ColorizeTest)
#include "colorize_test.moc"
