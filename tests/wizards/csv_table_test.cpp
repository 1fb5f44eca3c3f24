// Comma-delimited data made into table rows: how records and fields are read, which cells are numbers,
// what a cell shows, and the styles cells get.
#include "core/progress_model.h"
#include "platform/text_codec.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "wizards/csv_reader.h"
#include "wizards/table_generator.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

// The lines between the table's start and end tags.
QStringList rows_of(const QString& csv, const TableFields& fields = {}) {
    QStringList lines = csv_table(csv, fields).split(QLatin1Char('\n'));
    if (lines.size() < 3 || !lines.first().startsWith(QLatin1String("<table ")) || lines.last() != QString() ||
        lines[lines.size() - 2] != QLatin1String("</table>"))
        return QStringList{QStringLiteral("not a table:")} + lines;
    return lines.mid(1, lines.size() - 3);
}

QStringList row(const QStringList& cells) { return QStringList{"<tr>"} + cells + QStringList{"</tr>"}; }
QStringList first_row(const QStringList& cells) { return QStringList{"<tr align=center>"} + cells + QStringList{"</tr>"}; }

class CountingListener : public ProgressListener {
public:
    QList<int> percents;
    void progress_opened(int, const QString&, bool) override {}
    void progress_changed(int slot, int percent) override {
        if (slot == 0) percents << percent;
    }
    void progress_closed() override {}
};

}  // namespace

class CsvTableTest : public QObject {
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
        QTest::newRow("fields lose their spaces, the last field keeps them")
            << "  x  ,  y  " << first_row({"<td>x</td>", "<td>  y  </td>"});
        QTest::newRow("a quoted comma stays in one text cell")
            << "\"1,5\",2" << first_row({"<td>1,5</td>", "<td align=right>2</td>"});
        QTest::newRow("empty and blank fields show a space, not aligned")
            << "a,,  ,b" << first_row({"<td>a</td>", "<td>&nbsp;</td>", "<td>&nbsp;</td>", "<td>b</td>"});
        QTest::newRow("a trailing comma makes one more empty field")
            << "a," << first_row({"<td>a</td>", "<td>&nbsp;</td>"});
        QTest::newRow("a quoted line break keeps the row going")
            << "\"a\r\nb\",c\r\nd" << first_row({"<td>a", "b</td>", "<td>c</td>"}) + row({"<td>d</td>", filler});
        QTest::newRow("a doubled quote is one quote")
            << "\"say \"\"hi\"\"\",\"\"\"\"" << first_row({"<td>say \"hi\"</td>", "<td>\"</td>"});
        QTest::newRow("spaces around a quoted field")
            << "  \" x, y \"  ,z" << first_row({"<td>x, y</td>", "<td>z</td>"});
        QTest::newRow("markup in the data is escaped")
            << "<b>&amp;</b>,\"<i>\"" << first_row({"<td>&lt;b&gt;&amp;amp;&lt;/b&gt;</td>", "<td>&lt;i&gt;</td>"});
        QTest::newRow("a quote inside a field is text and swallows nothing")
            << "5\" disk,12\r\nx" << first_row({"<td>5\" disk</td>", "<td align=right>12</td>"}) + row({"<td>x</td>", filler});
        QTest::newRow("an unclosed quote keeps the rest as text")
            << "\"abc,d\r\ne" << first_row({"<td>\"abc,d", "e</td>"});
        QTest::newRow("CR-only line ends") << "a\rb\r" << first_row({"<td>a</td>"}) + row({"<td>b</td>"});
        QTest::newRow("LF line ends") << "a\nb\n" << first_row({"<td>a</td>"}) + row({"<td>b</td>"});
        QTest::newRow("a blank line is a row of one empty cell")
            << "a\r\n\r\nb" << first_row({"<td>a</td>"}) + row({"<td>&nbsp;</td>"}) + row({"<td>b</td>"});
        QTest::newRow("a tab inside quotes is read as a comma") << "\"a\tb\"" << first_row({"<td>a,b</td>"});
        QTest::newRow("no data, no rows") << "" << QStringList();
    }
    void records_become_rows() {
        QFETCH(QString, csv);
        QFETCH(QStringList, expected);
        QCOMPARE(rows_of(csv), expected);
    }

    void tabs_split_like_commas() {
        QCOMPARE(rows_of(QStringLiteral("a\t 2 \t\"x\ty\"\r\n\t")), rows_of(QStringLiteral("a, 2 ,\"x,y\"\r\n,")));
    }

    void numbers_are_told_from_text_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<int>("sign");
        QTest::newRow("negative with a decimal point") << "-12.5" << true << -1;
        QTest::newRow("two decimal points") << "1.2.3" << false << 0;
        QTest::newRow("a letter after the digits") << "12a" << false << 0;
        QTest::newRow("a sign alone is zero") << "+" << true << 0;
        QTest::newRow("surrounding spaces") << "  7 " << true << 1;
        QTest::newRow("zeros with a point") << "-0.00" << true << 0;
        QTest::newRow("a point first") << ".5" << true << 1;
        QTest::newRow("a space inside") << "1 000" << false << 0;
        QTest::newRow("an exponent") << "1e5" << false << 0;
        QTest::newRow("two signs") << "--1" << false << 0;
    }
    void numbers_are_told_from_text() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(int, sign);
        const CsvCell cell = csv_cell(text, true);
        QCOMPARE(cell.numeric, numeric);
        QCOMPARE(cell.sign, sign);
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
            << QStringList{"<tr align=center id=\"HEAD\">", "<td>h</td>", "<td>&nbsp;</td>", "<td>&nbsp;</td>",
                           "<td>&nbsp;</td>", "</tr>", "<tr>", "<td align=right id=\"COL1\">-1</td>",
                           "<td align=right id=\"ZERO\">0</td>", "<td align=right id=\"POS\">2</td>",
                           "<td id=\"TEXT\">t</td>", "</tr>"};
        QTest::newRow("without a top row style the first row is styled as any")
            << "1,x" << QStringList{"", "", "TEXT", "", "", "POS"}
            << QStringList{"<tr align=center>", "<td align=right id=\"POS\">1</td>", "<td id=\"TEXT\">x</td>", "</tr>"};
        QTest::newRow("an unset numeric style leaves the text style")
            << "-1" << QStringList{"", "", "TEXT", "", "", ""}
            << QStringList{"<tr align=center>", "<td align=right id=\"TEXT\">-1</td>", "</tr>"};
        QTest::newRow("a quote in a style ID cannot break the tag")
            << "x" << QStringList{"", "", "A\"B", "", "", ""}
            << QStringList{"<tr align=center>", "<td id=\"A&quot;B\">x</td>", "</tr>"};
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

    void both_passes_move_the_progress_to_its_end() {
        QString csv;
        for (int i = 0; i < 2000; ++i) csv += QStringLiteral("%1,text %1\r\n").arg(i);
        CountingListener listener;
        ProgressModel progress(&listener);
        progress.open_progress(csv_import_caption, csv_progress_maximum(csv.size()));
        csv_table(csv, TableFields{}, &progress);
        QCOMPARE(progress.slot(0).maximum, 2 * csv.size());
        QCOMPARE(progress.slot(0).current, progress.slot(0).maximum);
        QVERIFY2(listener.percents.size() > 10, "the panel moves during the passes");
        QVERIFY(std::is_sorted(listener.percents.begin(), listener.percents.end()));
        QVERIFY2(listener.percents.value(1) < 10, "the measuring pass moves it too");
    }

    void data_files_are_decoded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("first_cell");
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF\"caf\xC3\xA9\",1") << "<td>caf\u00E9</td>";
        QTest::newRow("not UTF-8: Windows-1252") << QByteArray("na\xEFve \x80,1") << "<td>na\u00EFve \u20AC</td>";
    }
    void data_files_are_decoded() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, first_cell);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.csv"));
        QVERIFY(test::write_bytes(path, bytes));
        const std::optional<DecodedText> data = read_csv_file(path);
        QVERIFY(data);
        QCOMPARE(rows_of(data->text).value(1), first_cell);
    }

    void unreadable_data_files_give_nothing() {
        QTemporaryDir dir;
        QVERIFY(!read_csv_file(QString()));
        QVERIFY(!read_csv_file(dir.filePath(QStringLiteral("missing.csv"))));
        QVERIFY(!read_csv_file(dir.path()));
    }
};

TAMSEL_TEST(CsvTableTest)
#include "csv_table_test.moc"
