// The table wizard's engine: records and fields of comma-delimited data, numeric cells, cell styles, the
// table's start tag, the fields kept in the settings store, and the table poured into a page.
#include "core/progress_model.h"
#include "platform/memory_buffer.h"
#include "settings/settings_store.h"
#include "support/test_registry.h"
#include "wizards/table_generator.h"

#include <QTest>

using namespace tamsel;

namespace {

// The lines between the table's start and end tags.
QStringList rows_of(const QString& csv, const TableFields& fields = {}) {
    const QStringList lines = csv_table(csv, fields).split(QLatin1Char('\n'));
    return lines.mid(1, lines.size() - 3);
}

QStringList row(const QStringList& cells) { return QStringList{"<tr>"} + cells + QStringList{"</tr>"}; }
QStringList first_row(const QStringList& cells) { return QStringList{"<tr align=center>"} + cells + QStringList{"</tr>"}; }

TableFields width(bool set, const QString& number, WidthUnit unit) {
    TableFields f;
    f.set_width = set;
    f.width = number;
    f.unit = unit;
    return f;
}

class PercentListener : public ProgressListener {
public:
    QList<int> percents;
    void progress_opened(int, const QString&, bool) override {}
    void progress_changed(int, int percent) override { percents << percent; }
    void progress_closed() override {}
};

}  // namespace

class TableGeneratorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void records_become_rows_data() {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QStringList>("expected");
        const QString filler = QStringLiteral("<td>&nbsp;</td>");
        QTest::newRow("a short row is filled up to the widest")
            << "a,b\r\n1,2,3\r\n"
            << first_row({"<td>a</td>", "<td>b</td>", filler}) +
                   row({"<td align=right>1</td>", "<td align=right>2</td>", "<td align=right>3</td>"});
        QTest::newRow("fields lose their spaces, the last keeps them") << "  x  ,  y  " << first_row({"<td>x</td>", "<td>  y  </td>"});
        QTest::newRow("a quoted comma stays in one text cell") << "\"1,5\",2" << first_row({"<td>1,5</td>", "<td align=right>2</td>"});
        QTest::newRow("empty and blank fields show a space")
            << "a,,  ," << first_row({"<td>a</td>", filler, filler, filler});
        QTest::newRow("a quoted line break keeps the row going")
            << "\"a\r\nb\",c\r\nd" << first_row({"<td>a", "b</td>", "<td>c</td>"}) + row({"<td>d</td>", filler});
        QTest::newRow("a doubled quote is one quote") << "\"say \"\"hi\"\"\",\"\"\"\"" << first_row({"<td>say \"hi\"</td>", "<td>\"</td>"});
        QTest::newRow("markup in the data is escaped") << "<b>&amp;</b>" << first_row({"<td>&lt;b&gt;&amp;amp;&lt;/b&gt;</td>"});
        QTest::newRow("a quote inside a field swallows nothing")
            << "5\" disk,12\r\nx" << first_row({"<td>5\" disk</td>", "<td align=right>12</td>"}) + row({"<td>x</td>", filler});
        QTest::newRow("an unclosed quote keeps the rest as text") << "\"abc,d\r\ne" << first_row({"<td>\"abc,d", "e</td>"});
        QTest::newRow("numbers: a sign and one decimal point at most")
            << "-12.5,1.2.3,12a,+,1e5" << first_row({"<td align=right>-12.5</td>", "<td>1.2.3</td>", "<td>12a</td>",
                                                   "<td align=right>+</td>", "<td>1e5</td>"});
        QTest::newRow("CR-only line ends") << "a\rb\r" << first_row({"<td>a</td>"}) + row({"<td>b</td>"});
        QTest::newRow("a blank line is a row of one empty cell")
            << "a\n\nb\n" << first_row({"<td>a</td>"}) + row({filler}) + row({"<td>b</td>"});
    }
    void records_become_rows() {
        QFETCH(QString, csv);
        QFETCH(QStringList, expected);
        QCOMPARE(rows_of(csv), expected);
    }

    void tabs_split_like_commas() {
        QCOMPARE(rows_of(QStringLiteral("a\t 2 \t\"x\ty\"\r\n\t")), rows_of(QStringLiteral("a, 2 ,\"x,y\"\r\n,")));
    }

    void cells_take_the_style_of_their_kind_data() {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QStringList>("styles");  // top row, first column, text, below, zero, above zero
        QTest::addColumn<QStringList>("expected");
        const QStringList all{"HEAD", "COL1", "TEXT", "NEG", "ZERO", "POS"};
        QTest::newRow("a styled top row carries the id, its cells none")
            << "a,1" << all << QStringList{"<tr align=center id=\"HEAD\">", "<td>a</td>", "<td align=right>1</td>", "</tr>"};
        QTest::newRow("numbers by sign, the first column over all")
            << "h\r\n-1,0,2,t" << all
            << QStringList{"<tr align=center id=\"HEAD\">", "<td>h</td>"} +
                   QStringList(3, "<td>&nbsp;</td>") +
                   QStringList{"</tr>", "<tr>", "<td align=right id=\"COL1\">-1</td>", "<td align=right id=\"ZERO\">0</td>",
                               "<td align=right id=\"POS\">2</td>", "<td id=\"TEXT\">t</td>", "</tr>"};
        QTest::newRow("an unset numeric style leaves the text style, a quote stays in the value")
            << "-1" << QStringList{"", "", "A\"B", "", "", ""} << first_row({"<td align=right id=\"A&quot;B\">-1</td>"});
    }
    void cells_take_the_style_of_their_kind() {
        QFETCH(QString, csv);
        QFETCH(QStringList, styles);
        QFETCH(QStringList, expected);
        TableFields fields;
        for (int i = 0; i < 3; ++i) {
            fields.styles[i] = styles[i];
            fields.numeric_styles[i] = styles[3 + i];
        }
        QCOMPARE(rows_of(csv, fields), expected);
    }

    void the_start_tag_carries_width_and_format_data() {
        QTest::addColumn<TableFields>("fields");
        QTest::addColumn<QString>("expected");
        const QString format = QStringLiteral("Cellpadding=0 Cellspacing=0 Border=1>");
        QTest::newRow("defaults") << TableFields{} << "<table Width=\"100%\" " + format;
        QTest::newRow("percent 150 is 100") << width(true, "150", WidthUnit::Percent) << "<table Width=\"100%\" " + format;
        QTest::newRow("pixels unquoted") << width(true, "640", WidthUnit::Pixels) << "<table Width=640 " + format;
        QTest::newRow("pixel width 0 omits it") << width(true, "0", WidthUnit::Pixels) << "<table " + format;
        QTest::newRow("fit to data omits it") << width(false, "50", WidthUnit::Percent) << "<table " + format;
        TableFields f;
        f.table_format = {"007", "12abc", ""};
        QTest::newRow("format read as numbers") << f << "<table Width=\"100%\" Cellpadding=7 Cellspacing=12 Border=0>";
    }
    void the_start_tag_carries_width_and_format() {
        QFETCH(TableFields, fields);
        QFETCH(QString, expected);
        QCOMPARE(table_start_line(fields), expected);
    }

    void both_passes_move_the_progress_to_its_end() {
        QString csv;
        for (int i = 0; i < 2000; ++i) csv += QStringLiteral("%1,text %1\r\n").arg(i);
        PercentListener listener;
        ProgressModel progress(&listener);
        progress.open_progress(csv_import_caption, csv_progress_maximum(csv.size()));
        csv_table(csv, TableFields{}, &progress);
        QCOMPARE(progress.slot(0).current, 2 * csv.size());
        QVERIFY2(listener.percents.value(1) < 10, "the measuring pass moves it too");
        QVERIFY(listener.percents.size() > 10 && std::is_sorted(listener.percents.begin(), listener.percents.end()));
    }

    void fields_come_back_as_they_were_kept() {
        MemorySettingsStore store;
        QVERIFY(load_table_fields(store) == TableFields{});
        TableFields kept{"4", "5", {"A", "B", "C"}, {"N0", "N1", "N2"}, false, {"2", "3", "0"}, false, "640", WidthUnit::Pixels, "/d/p.csv"};
        save_table_fields(store, kept);
        kept.rows = kept.columns = QStringLiteral("9");  // not kept: every opening starts at 9
        QVERIFY(load_table_fields(store) == kept);
    }

    void the_table_lands_in_the_body_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("eol");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("expected");
        const QString poured = QStringLiteral("<table>\r\n<td>a\r\nb</td>\r\n</table>\r\n\r\n");
        QTest::newRow("a new document gets the skeleton")
            << "" << "\r\n" << 0 << "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n" + poured + "\r\n</BODY>\r\n</HTML>";
        const QString page = QStringLiteral("<html><head><title>t</title></head>\r\n<body>\r\n<p>x</p>\r\n</body></html>");
        QTest::newRow("a caret in the head goes into the body") << page << "\r\n" << 8 << QString(page).replace("<body>", "<body>" + poured);
        QTest::newRow("a caret after the body goes before the last line end, not inside it")
            << page << "\r\n" << int(page.size()) << QString(page).replace("<p>x</p>", "<p>x</p>" + poured);
        const QString lf_page = QString(page).replace("\r\n", "\n");
        QTest::newRow("an LF page gets LF") << lf_page << "\n" << 0 << QString(lf_page).replace("<body>", "<body>" + QString(poured).replace("\r\n", "\n"));
    }
    void the_table_lands_in_the_body() {
        QFETCH(QString, page);
        QFETCH(QString, eol);
        QFETCH(int, caret);
        QFETCH(QString, expected);
        MemoryBuffer buffer(page);
        buffer.set_selection(caret, 0);
        PageEditor editor{buffer, eol};
        close_table(editor, QStringLiteral("<table>\n<td>a\nb</td>\n</table>\n"));
        QCOMPARE(buffer.text(), expected);
        QCOMPARE(buffer.text().mid(buffer.selection_start(), 7), QStringLiteral("<table>"));  // the caret at its start
        buffer.undo();
        QCOMPARE(buffer.text(), page);  // one undo step
        QVERIFY(!buffer.can_undo());
    }
};

TAMSEL_TEST(TableGeneratorTest)
#include "table_generator_test.moc"
