#pragma once
// The grid routines the property inspector and the database editors share, over a two-column
// QTableWidget: rows added with their look, header rows (recognised anywhere: they span both columns,
// and both cells hold the title) stepped over when entered, the current name cell shown white on blue, and a busy flag that keeps
// the grid's own row handlers quiet while a routine rearranges it.
#include <QColor>
#include <QString>

class QTableWidget;

namespace tamsel {

struct GridRowLook {
    bool bold = false;
    QColor background = Qt::white;
    int font_size = 0;      // points; 0 keeps the grid's
    QString font_name;      // empty keeps the grid's
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool header = false;    // taller, spanning both columns
};

class CommonGrid {
public:
    explicit CommonGrid(QTableWidget& grid) : grid_(grid) {}

    QString grid_cell_text(int row, int column) const;
    // Fills both cells of row (growing the grid when needed) and moves row on by one.
    void grid_add_row(int& row, const QString& name, const QString& value, const GridRowLook& look);
    bool is_header(int row) const;
    // Unless busy: off a header row to the next row (the previous one when it is the last); then column 0
    // of the current row, its name cell white on blue. Returns the row the grid is on.
    int grid_enter_row();
    // The name cell of an attribute row black on white again.
    void grid_leave_row(int row);
    static int grid_max(int a, int b) { return a > b ? a : b; }

    // Set while a routine rearranges the grid: the row handlers then do nothing.
    bool grid_busy = false;

private:
    QTableWidget& grid_;
};

// grid_busy for the length of a scope.
class GridBusy {
public:
    explicit GridBusy(CommonGrid& grid) : grid_(grid), was_(grid.grid_busy) { grid_.grid_busy = true; }
    ~GridBusy() { grid_.grid_busy = was_; }
    GridBusy(const GridBusy&) = delete;
    GridBusy& operator=(const GridBusy&) = delete;

private:
    CommonGrid& grid_;
    bool was_;
};

}  // namespace tamsel
