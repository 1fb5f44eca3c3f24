#pragma once
// Comma-delimited data as the table wizard reads it. A tab separates fields as a comma does. A field that
// starts with a double quote (spaces before it allowed) runs to the closing quote: it may hold commas,
// tabs and line breaks, and two quotes in a row inside it are one quote of the text. A quote anywhere
// else is an ordinary character, so a stray one never swallows the rest of the file. Records end at
// CR LF, LF or a lone CR; one line end after the last record starts no record.
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace tamsel {

struct DecodedText;

class CsvReader {
public:
    explicit CsvReader(QStringView text) : text_(text) {}
    // The fields of the next record, each as it stands in the text (quotes and spaces included); false
    // when the text has no more records. An empty line is a record of one empty field.
    bool next(QList<QStringView>& fields);
    // How far the reader has come, in characters of the text.
    qsizetype position() const { return position_; }

private:
    QStringView text_;
    qsizetype position_ = 0;
};

// What a field puts into its table cell.
struct CsvCell {
    QString text;       // as the data has it: not escaped for HTML; line breaks as '\n'
    bool empty = false;  // nothing but spaces: the cell shows a non-breaking space
    bool numeric = false;
    int sign = 0;  // of a numeric cell's value: -1, 0 or 1
};

// The cell of field raw. A field that is followed by a comma loses its surrounding spaces; the last
// field of a record keeps them. A field in quotes gives the text between them, its doubled quotes made
// single and its surrounding spaces removed, and is never numeric.
CsvCell csv_cell(QStringView raw, bool last_field);

// Whether text reads as a number: surrounding spaces and one leading sign aside, digits with at most one
// decimal point. Nothing at all after the sign counts as a number (zero).
bool is_numeric_text(QStringView text);
// The sign of a text that is_numeric_text accepts: 0 when it has no digit other than 0.
int numeric_sign(QStringView text);

// text without the spaces (only U+0020) at either end.
QStringView trim_spaces(QStringView text);

// A data file's text: UTF-8 (a byte-order mark dropped), or Windows-1252 when the bytes are not UTF-8.
// Nothing when path is empty, names no file or cannot be read.
std::optional<DecodedText> read_csv_file(const QString& path);

}  // namespace tamsel
