// The table wizard's engine: the table's start tag from the fields, the empty table, the fields kept in
// the settings store, and the pouring of a table into a page.
#include "platform/memory_buffer.h"
#include "settings/settings_store.h"
#include "support/test_registry.h"
#include "wizards/table_generator.h"

#include <QTest>

using namespace tamsel;

namespace {

TableFields width_fields(bool set, const QString& width, WidthUnit unit) {
    TableFields f;
    f.set_width = set;
    f.width = width;
    f.unit = unit;
    return f;
}

const QString table_lines = QStringLiteral("<table>\n<tr>\n<td>\"a\nb\"</td>\n</tr>\n</table>\n");

}  // namespace

class TableWizardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_start_tag_carries_width_and_format_data() {
        QTest::addColumn<TableFields>("fields");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << TableFields{} << "<table Width=\"100%\" Cellpadding=0 Cellspacing=0 Border=1>";
        QTest::newRow("percent beyond 100 is 100")
            << width_fields(true, "150", WidthUnit::Percent) << "<table Width=\"100%\" Cellpadding=0 Cellspacing=0 Border=1>";
        QTest::newRow("pixels unquoted")
            << width_fields(true, "640", WidthUnit::Pixels) << "<table Width=640 Cellpadding=0 Cellspacing=0 Border=1>";
        QTest::newRow("pixel width 0 omits the width")
            << width_fields(true, "0", WidthUnit::Pixels) << "<table Cellpadding=0 Cellspacing=0 Border=1>";
        QTest::newRow("an unreadable width omits it")
            << width_fields(true, "wide", WidthUnit::Percent) << "<table Cellpadding=0 Cellspacing=0 Border=1>";
        QTest::newRow("fit to data omits it")
            << width_fields(false, "50", WidthUnit::Percent) << "<table Cellpadding=0 Cellspacing=0 Border=1>";
        TableFields format;
        format.table_format = {"007", "12abc", ""};
        QTest::newRow("format fields read as numbers")
            << format << "<table Width=\"100%\" Cellpadding=7 Cellspacing=12 Border=0>";
    }
    void the_start_tag_carries_width_and_format() {
        QFETCH(TableFields, fields);
        QFETCH(QString, expected);
        QCOMPARE(table_start_line(fields), expected);
    }

    void the_top_row_tag_data() {
        QTest::addColumn<bool>("centre");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("centred and styled") << true << "HEAD" << "<tr align=center id=\"HEAD\">";
        QTest::newRow("styled only") << false << "HEAD" << "<tr id=\"HEAD\">";
        QTest::newRow("neither") << false << "" << "<tr>";
    }
    void the_top_row_tag() {
        QFETCH(bool, centre);
        QFETCH(QString, style);
        QFETCH(QString, expected);
        TableFields f;
        f.center_top = centre;
        f.styles[0] = style;
        const TableStyles styles(f);
        QCOMPARE(styles.row_start(true), expected);
        QCOMPARE(styles.row_start(false), QStringLiteral("<tr>"));
    }

    void an_empty_table_of_rows_and_columns() {
        TableFields f;
        f.rows = QStringLiteral("2");
        f.columns = QStringLiteral("3");
        f.styles[1] = QStringLiteral("C1");
        const QString cell = QStringLiteral("<td>&nbsp;</td>\n");
        const QString first = QStringLiteral("<td id=\"C1\">&nbsp;</td>\n");
        QCOMPARE(basic_table(f), QStringLiteral("<table Width=\"100%\" Cellpadding=0 Cellspacing=0 Border=1>\n") +
                                     "<tr align=center>\n" + first + cell + cell + "</tr>\n" +
                                     "<tr>\n" + first + cell + cell + "</tr>\n</table>\n");
        f.rows = QStringLiteral("0");
        QCOMPARE(basic_table(f), QStringLiteral("<table Width=\"100%\" Cellpadding=0 Cellspacing=0 Border=1>\n</table>\n"));
    }

    void fields_come_back_as_they_were_kept() {
        MemorySettingsStore store;
        TableFields kept;
        kept.filename = QStringLiteral("/data/prices.csv");
        kept.styles = {"A", "B", "C"};
        kept.numeric_styles = {"N0", "N1", "N2"};
        kept.center_top = false;
        kept.table_format = {"2", "3", "0"};
        kept.set_width = false;
        kept.width = QStringLiteral("640");
        kept.unit = WidthUnit::Pixels;
        kept.rows = QStringLiteral("4");
        save_table_fields(store, kept);
        QCOMPARE(store.values.value("CSV_Table"), QStringLiteral("0"));
        QCOMPARE(store.values.value("CSV_Unit"), QStringLiteral("0"));
        const TableFields loaded = load_table_fields(store);
        QCOMPARE(loaded.filename, kept.filename);
        QCOMPARE(loaded.styles, kept.styles);
        QCOMPARE(loaded.numeric_styles, kept.numeric_styles);
        QCOMPARE(loaded.center_top, false);
        QCOMPARE(loaded.table_format, kept.table_format);
        QCOMPARE(loaded.set_width, false);
        QCOMPARE(loaded.width, kept.width);
        QCOMPARE(loaded.unit, WidthUnit::Pixels);
        QCOMPARE(loaded.rows, QStringLiteral("9"));  // rows and columns always start at 9
    }

    void an_empty_store_gives_the_defaults() {
        const TableFields loaded = load_table_fields(MemorySettingsStore{});
        QCOMPARE(table_start_line(loaded), table_start_line(TableFields{}));
        QVERIFY(loaded.center_top);
        QCOMPARE(loaded.unit, WidthUnit::Percent);
    }

    void the_table_lands_in_the_body_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("eol");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("expected");
        const QString poured = QStringLiteral("<table>\r\n<tr>\r\n<td>\"a\r\nb\"</td>\r\n</tr>\r\n</table>\r\n\r\n");
        QTest::newRow("a new document gets the skeleton")
            << "" << "\r\n" << 0 << "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n" + poured + "\r\n</BODY>\r\n</HTML>";
        const QString page = QStringLiteral("<html><head><title>t</title></head>\r\n<body>\r\n<p>x</p>\r\n</body></html>");
        QTest::newRow("a caret in the head goes into the body")
            << page << "\r\n" << 8 << QString(page).replace("<body>", "<body>" + poured);
        QTest::newRow("a caret after the body goes before its last line end")
            << page << "\r\n" << int(page.size()) << QString(page).replace("<p>x</p>", "<p>x</p>" + poured);
        QString lf_page = QString(page).replace("\r\n", "\n");
        QTest::newRow("an LF page gets LF")
            << lf_page << "\n" << 0 << QString(lf_page).replace("<body>", "<body>" + QString(poured).replace("\r\n", "\n"));
    }
    void the_table_lands_in_the_body() {
        QFETCH(QString, page);
        QFETCH(QString, eol);
        QFETCH(int, caret);
        QFETCH(QString, expected);
        MemoryBuffer buffer(page);
        buffer.set_selection(caret, 0);
        PageEditor editor{buffer, eol};
        close_table(editor, table_lines);
        QCOMPARE(buffer.text(), expected);
        QCOMPARE(buffer.text().mid(buffer.selection_start(), 7), QStringLiteral("<table>"));  // the caret at its start
        buffer.undo();
        QCOMPARE(buffer.text(), page);  // one undo step
        QVERIFY(!buffer.can_undo());
    }
};

TAMSEL_TEST(TableWizardTest)
#include "table_wizard_test.moc"
