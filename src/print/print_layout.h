#pragma once
// A document laid out for the printer, page by page: every page starts with a header line (the date, the
// document's path centred in upper case, the page number) and a dashed line; every text line carries its
// number, and a line wider than the page goes on over further output lines without one.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>

namespace tamsel {

struct PrintMetrics {
    int lines_per_page = 60;   // output lines a page holds, the header's two included
    int chars_per_line = 80;   // text characters beside the line numbers
};

struct PrintedLine {
    QString number;  // "   12: ", empty on the pieces that continue a long line
    QString text;
    bool operator==(const PrintedLine&) const = default;
};

struct PrintedPage {
    int number = 0;  // from 1
    QString header;
    QString rule;    // chars_per_line dashes
    QList<PrintedLine> lines;
};

// The header of page for a width of width characters: title (or "Error List" when there is none) in
// upper case centred, the date "07Dec2026" over its first characters and "pg. 3" over its last.
QString page_header(const QString& title, int page, QDate date, int width);

// Splits text into its lines (CR LF, LF or CR end one) and hands each finished page to page_ready, in
// order; page_ready returns false to stop. An empty text gives one page with its header only. Tabs are
// spread to the next multiple of 8 columns, so that a split counts what the page shows.
void lay_out_pages(QStringView text, const QString& title, QDate date, PrintMetrics metrics,
                   const std::function<bool(const PrintedPage&)>& page_ready);

}  // namespace tamsel
