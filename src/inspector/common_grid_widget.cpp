#include "inspector/common_grid_widget.h"

#include <QTableWidget>

namespace tamsel {
namespace {

constexpr int header_height = 24;
constexpr int row_height = 18;

}  // namespace

QString CommonGrid::grid_cell_text(int row, int column) const {
    const QTableWidgetItem* item = grid_.item(row, column);
    return item ? item->text() : QString();
}

void CommonGrid::grid_add_row(int& row, const QString& name, const QString& value, const GridRowLook& look) {
    const GridBusy busy(*this);
    if (grid_.rowCount() <= row) grid_.setRowCount(row + 1);
    for (int column = 0; column < 2; ++column) {
        auto* item = new QTableWidgetItem(column == 0 ? name : value);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        QFont font = grid_.font();
        font.setBold(look.bold);
        if (look.font_size > 0) font.setPointSize(look.font_size);
        if (!look.font_name.isEmpty()) font.setFamily(look.font_name);
        item->setFont(font);
        item->setBackground(look.background);
        item->setTextAlignment(look.alignment);
        grid_.setItem(row, column, item);
    }
    grid_.setRowHeight(row, look.header ? header_height : row_height);
    if (look.header) grid_.setSpan(row, 0, 1, 2);
    ++row;
}

bool CommonGrid::is_header(int row) const {
    // The span, not only the equal texts: an attribute may well hold its own name (NOWRAP=NOWRAP).
    return row >= 0 && row < grid_.rowCount() && grid_.columnSpan(row, 0) > 1 && grid_cell_text(row, 0) == grid_cell_text(row, 1);
}

int CommonGrid::grid_enter_row() {
    int row = grid_.currentRow();
    if (grid_busy || row < 0) return row;
    const GridBusy busy(*this);
    if (is_header(row)) {
        const int target = row + 1 < grid_.rowCount() ? row + 1 : row - 1;
        if (target >= 0) row = target;
    }
    grid_.setCurrentCell(row, 0);
    if (QTableWidgetItem* name = grid_.item(row, 0); name && !is_header(row)) {
        name->setBackground(QColor(0, 0, 128));
        name->setForeground(Qt::white);
    }
    return row;
}

void CommonGrid::grid_leave_row(int row) {
    if (grid_busy || is_header(row)) return;
    if (QTableWidgetItem* name = grid_.item(row, 0)) {
        name->setBackground(Qt::white);
        name->setForeground(Qt::black);
    }
}

}  // namespace tamsel
