#pragma once
// What the table wizard asks for, in both of its modes: an empty table of rows and columns, or a table
// made from a comma-delimited data file. The fields keep the text the user typed (numbers are read from
// it when the table is made); they come from the wizard's saved settings at every opening and go back
// there when a data file import is confirmed.
#include <QString>
#include <array>

namespace tamsel {

class SettingsStore;

enum class TableMode { Basic, Csv };

enum class WidthUnit : int { Pixels = 0, Percent = 1 };

struct TableFields {
    QString rows = QStringLiteral("9");
    QString columns = QStringLiteral("9");
    // The style IDs of the top row, the first column and the text cells.
    std::array<QString, 3> styles;
    // The style IDs of numeric cells below zero, equal to zero and above zero.
    std::array<QString, 3> numeric_styles;
    bool center_top = true;
    // Cellpadding, cellspacing and border.
    std::array<QString, 3> table_format = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")};
    bool set_width = true;  // false: the table fits its data (no width attribute)
    QString width = QStringLiteral("100");
    WidthUnit unit = WidthUnit::Percent;
    QString filename;  // the data file

    bool operator==(const TableFields&) const = default;
};

// The fields as the wizard opens, in either mode: the defaults with the saved settings over them; the
// rows and columns always start at 9.
TableFields load_table_fields(const SettingsStore& store);
// Keeps the fields for the next opening (the rows and columns are not kept).
void save_table_fields(SettingsStore& store, const TableFields& fields);

// The whole number at the start of text, as a typed field is read: leading spaces skipped, an optional
// sign, then digits up to the first other character; 0 when there are none ("12abc" is 12, "007" is 7).
// Very long numbers stop growing at number_ceiling.
inline constexpr qint64 number_ceiling = 1'000'000'000'000;
qint64 whole_number(QStringView text);

// The largest number of rows or columns of an empty table: nine hundred and ninety-nine rows of as many
// cells are a million cells, which a page can still hold.
inline constexpr qint64 max_table_side = 999;

}  // namespace tamsel
