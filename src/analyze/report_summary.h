#pragma once
// The summary table of the analysis report: files, lines and bytes of HTML, internal JavaScript, internal
// VBScript and script files, with each one's share of the bytes.
#include "analyze/result_list.h"

#include <QString>
#include <array>

namespace tamsel {

enum SummaryRow { summary_html, summary_javascript, summary_vbscript, summary_scripts, summary_total, summary_rows };

struct ReportTotals {
    std::array<qint64, summary_rows> files{};
    std::array<qint64, summary_rows> lines{};
    std::array<qint64, summary_rows> bytes{};
    std::array<qint64, summary_rows> problem_files{};
    qint64 problems = 0;  // error and warning entries of every file
};

// Whether path names an HTML page (".htm" or ".html" in any letter case).
bool is_html_path(const QString& path);

// The totals of sorted entries, grouped by file; internal scripts are taken off their pages' figures.
ReportTotals report_totals(const QList<ResultEntry>& entries);

// "1,234,567"; 0 is "None".
QString count_text(qint64 count);
// "12.50%" and the blanks that line the shares up, "&nbsp;" alone for no bytes.
QString share_text(qint64 bytes, qint64 total);

// The summary table's rows, from "<tr><td align=left>" to its "</table>"'s rows.
void append_summary(QString& out, const ReportTotals& totals, bool site);

}  // namespace tamsel
