// The shared grid routines: header rows are stepped over wherever they stand, an attribute holding its
// own name is no header, and a busy grid ignores its row handlers.
#include "inspector/common_grid_widget.h"
#include "support/test_registry.h"

#include <QTableWidget>
#include <QTest>

using namespace tamsel;

namespace {

// "Tag Attributes", A, NOWRAP=NOWRAP, "Events" as the last row.
void fill(CommonGrid& common) {
    GridRowLook header;
    header.header = true;
    int row = 0;
    common.grid_add_row(row, QStringLiteral("Tag Attributes"), QStringLiteral("Tag Attributes"), header);
    common.grid_add_row(row, QStringLiteral("A"), QStringLiteral("1"), {});
    common.grid_add_row(row, QStringLiteral("NOWRAP"), QStringLiteral("NOWRAP"), {});
    common.grid_add_row(row, QStringLiteral("Events"), QStringLiteral("Events"), header);
    QCOMPARE(row, 4);
}

}  // namespace

class CommonGridWidgetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entering_steps_off_headers_data() {
        QTest::addColumn<int>("entered");
        QTest::addColumn<int>("landed");
        QTest::newRow("first header: the next row") << 0 << 1;
        QTest::newRow("last header: the row before") << 3 << 2;
        QTest::newRow("a value equal to its name is a row like any") << 2 << 2;
    }
    void entering_steps_off_headers() {
        QFETCH(int, entered);
        QFETCH(int, landed);
        QTableWidget table(0, 2);
        CommonGrid common(table);
        fill(common);
        table.setCurrentCell(entered, 1);
        QCOMPARE(common.grid_enter_row(), landed);
        QCOMPARE(table.currentRow(), landed);
        QCOMPARE(table.currentColumn(), 0);
        QCOMPARE(table.item(landed, 0)->foreground().color(), QColor(Qt::white));
        common.grid_leave_row(landed);
        QCOMPARE(table.item(landed, 0)->foreground().color(), QColor(Qt::black));
    }

    void a_busy_grid_stays_where_it_is() {
        QTableWidget table(0, 2);
        CommonGrid common(table);
        fill(common);
        table.setCurrentCell(0, 0);
        {
            const GridBusy busy(common);
            QCOMPARE(common.grid_enter_row(), 0);
        }
        QVERIFY(!common.grid_busy);
        QCOMPARE(common.grid_cell_text(1, 1), QStringLiteral("1"));
        QCOMPARE(CommonGrid::grid_max(3, 7), 7);
    }
};

TAMSEL_TEST(CommonGridWidgetTest)
#include "common_grid_widget_test.moc"
