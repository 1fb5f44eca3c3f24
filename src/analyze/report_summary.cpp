#include "analyze/report_summary.h"

#include <QLocale>

namespace tamsel {

namespace {

struct RowDef {
    SummaryRow row;
    const char* label;
};

constexpr RowDef row_defs[] = {
    {summary_html,       "HTML"},
    {summary_javascript, "Internal JavaScript"},
    {summary_vbscript,   "Internal VBScript"},
    {summary_scripts,    "EXTERNAL SCRIPTS"},
    {summary_total,      "Total"},
};

bool row_shown(SummaryRow row, const ReportTotals& t, bool site) {
    switch (row) {
    case summary_html: return true;
    case summary_javascript:
    case summary_vbscript: return t.bytes[row] > 0;
    case summary_scripts: return site || t.files[row] > 0;
    case summary_total: return site || t.bytes[row] > 0;
    case summary_rows: break;
    }
    return false;
}

void add_row(QString& out, const RowDef& def, const ReportTotals& t) {
    const bool internal = def.row == summary_javascript || def.row == summary_vbscript;
    out += QStringLiteral("<tr id='b'><td>%1</td><td align=right>%2</td><td align=right>%3</td><td align=right>%4</td><td width=200>%5</td></tr>\r\n")
               .arg(QLatin1String(def.label), internal ? QStringLiteral("&nbsp;") : count_text(t.files[def.row]),
                    count_text(t.lines[def.row]), count_text(t.bytes[def.row]),
                    def.row == summary_total ? QStringLiteral("&nbsp;") : share_text(t.bytes[def.row], t.bytes[summary_total]));
}

}  // namespace

bool is_html_path(const QString& path) {
    return path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) || path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

ReportTotals report_totals(const QList<ResultEntry>& entries) {
    ReportTotals t;
    for (qsizetype i = 0; i < entries.size();) {
        const QString& file = entries[i].file;
        bool html = false;
        bool has_problem = false;
        for (; i < entries.size() && entries[i].file == file; ++i) {
            const ResultEntry& e = entries[i];
            if (is_problem(e)) {
                has_problem = true;
                ++t.problems;
                continue;
            }
            SummaryRow row = summary_rows;
            if (e.line == record_file_size) {
                html = is_html_path(file);
                row = html ? summary_html : summary_scripts;
                ++t.files[row];
            } else if (e.line == record_javascript) row = summary_javascript;
            else if (e.line == record_vbscript) row = summary_vbscript;
            if (row == summary_rows) continue;
            t.lines[row] += e.text1.toLongLong();
            t.bytes[row] += e.text2.toLongLong();
        }
        if (html && has_problem) ++t.problem_files[summary_html];
    }
    for (const SummaryRow internal : {summary_javascript, summary_vbscript}) {
        t.lines[summary_html] -= t.lines[internal];
        t.bytes[summary_html] -= t.bytes[internal];
    }
    for (int row = summary_html; row < summary_total; ++row) {
        t.files[summary_total] += t.files[row];
        t.lines[summary_total] += t.lines[row];
        t.bytes[summary_total] += t.bytes[row];
        t.problem_files[summary_total] += t.problem_files[row];
    }
    return t;
}

QString count_text(qint64 count) {
    if (count == 0) return QStringLiteral("None");
    static const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    return grouped.toString(count);
}

QString share_text(qint64 bytes, qint64 total) {
    if (bytes == 0 || total <= 0) return QStringLiteral("&nbsp;");
    const QString share = QString::number(100.0 * double(bytes) / double(total), 'f', 2);
    const qsizetype digits = share.indexOf(u'.');
    return share + QStringLiteral("%") + QStringLiteral("&nbsp;").repeated(1 + std::max<qsizetype>(0, 3 - digits));
}

void append_summary(QString& out, const ReportTotals& totals, bool site) {
    out += QStringLiteral("<tr><td align=left>\r\n<table border=0 cellspacing=0 cellpadding=0>\r\n");
    out += QStringLiteral("<tr id='c'><td colspan=5>%1</td></tr>\r\n").arg(site ? QStringLiteral("Project Summary") : QStringLiteral("Summary"));
    out += QStringLiteral("<tr id='b'><td>&nbsp;</td><td align=right>Files</td><td align=right>Lines</td><td align=right>Bytes</td><td width=200>&nbsp;</td></tr>\r\n");
    for (const RowDef& def : row_defs)
        if (row_shown(def.row, totals, site)) add_row(out, def, totals);
}

}  // namespace tamsel
