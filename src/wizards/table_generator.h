#pragma once
// The tables of the table wizard: an empty table of rows and columns, or the cells of comma-delimited
// data, with numeric cells aligned right. Both are made in memory as lines (each ended by '\n', a cell
// whose text holds line breaks running over several) before any of it goes into the page; close_table
// then pours the lines into the body in the page's own line end.
#include "wizards/page_structure.h"
#include "wizards/table_fields.h"

#include <QString>
#include <QStringView>

namespace tamsel {

class ProgressModel;

// The attribute of a style ID: id="VALUE", or nothing for an empty value.
QString style_attribute(QStringView value);

// "<table" with the width (when set and above 0: pixels as they are, percent at most 100), cellpadding,
// cellspacing and border, then ">".
QString table_start_line(const TableFields& fields);

// A cell's kind: text, or a numeric value below, equal to or above zero.
enum class CellKind { Text, Below, Zero, Above };

// The style attributes of one run, worked out once from the fields.
class TableStyles {
public:
    explicit TableStyles(const TableFields& fields);
    // The start tag of a row: the first row may be centred and carry the top row's style.
    QString row_start(bool first_row) const;
    // A cell's style attribute: none in a first row that has a style of its own; else the text cells'
    // style, a numeric cell's style for its sign, and the first column's style, each later one winning
    // when it is set.
    QString cell_style(bool first_row, bool first_cell, CellKind kind) const;

private:
    QString top_, first_column_, text_;
    std::array<QString, 3> numeric_;
    bool center_top_;
};

// The empty table of fields.rows by fields.columns cells ("&nbsp;" in each).
QString basic_table(const TableFields& fields);

// The table of the data in csv: one row a record, filled with empty cells up to the widest record. The
// data is read twice (once to measure it, once to write it); with progress, both passes move its first
// slot, which the caller opened with csv_import_caption and csv_progress_maximum.
QString csv_table(QStringView csv, const TableFields& fields, ProgressModel* progress = nullptr);

inline const QString csv_import_caption = QStringLiteral("Importing CSV File - Analyzing Data");
// The progress maximum for data of length characters: twice the length, as both passes read it all.
int csv_progress_maximum(qsizetype length);

// Pours lines (as the generators above make them) into the body of the page: the skeleton is completed,
// the caret is moved into the body, the lines go in there, and the caret is left at the table's start.
// The whole change undoes as one step.
void close_table(PageEditor& page, QStringView lines);

}  // namespace tamsel
