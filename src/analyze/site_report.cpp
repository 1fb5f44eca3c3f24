#include "analyze/site_report.h"

#include "analyze/message_text.h"
#include "analyze/page_links.h"
#include "analyze/report_summary.h"
#include "core/markup_text.h"
#include "platform/whole_file.h"

#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <algorithm>

namespace tamsel {

namespace {

QString escaped(QStringView text) {
    QString out;
    append_html_text(out, text);
    return out;
}

bool same_entry(const ResultEntry& a, const ResultEntry& b) {
    return a.line == b.line && a.code == b.code && a.text1 == b.text1 && a.text2 == b.text2;
}

// Files by folder depth, then by path; a file's entries by line and first text, a problem filed twice
// once. Files are ordered as wholes, so the paths are compared once per file, not once per entry.
QList<ResultEntry> sorted_once(QList<ResultEntry> entries) {
    QHash<QString, std::vector<qsizetype>> by_file;
    QStringList files;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        auto& rows = by_file[entries[i].file];
        if (rows.empty()) files.append(entries[i].file);
        rows.push_back(i);
    }
    std::vector<std::pair<qsizetype, QString>> order;
    order.reserve(files.size());
    for (const QString& f : files) order.emplace_back(f.count(u'/'), f);
    std::sort(order.begin(), order.end());

    QList<ResultEntry> once;
    once.reserve(entries.size());
    for (const auto& [depth, file] : order) {
        std::vector<qsizetype>& rows = by_file[file];
        std::stable_sort(rows.begin(), rows.end(), [&](qsizetype a, qsizetype b) {
            const ResultEntry& x = entries[a];
            const ResultEntry& y = entries[b];
            return x.line != y.line ? x.line < y.line : x.text1 < y.text1;
        });
        // Duplicates share line and first text, so they stand in one run of equal keys.
        qsizetype run_start = once.size();
        for (const qsizetype r : rows) {
            ResultEntry& e = entries[r];
            if (run_start < once.size() && (once[run_start].line != e.line || once[run_start].text1 != e.text1))
                run_start = once.size();
            const bool repeated = std::any_of(once.begin() + run_start, once.end(), [&](const ResultEntry& kept) { return same_entry(kept, e); });
            if (!repeated) once.append(std::move(e));
        }
    }
    return once;
}

// One file's stretch of the sorted entries.
struct FileSpan {
    qsizetype first = 0;
    qsizetype end = 0;
    int number = 0;  // the position of its size record, which its section's anchor carries
    int problems = 0;
    bool links_out = false;
    bool missing_link = false;
};

bool is_external(const QString& target) { return leads_off_site(target); }

class ReportWriter {
public:
    ReportWriter(QList<ResultEntry> entries, const ReportSettings& settings, const FileExists& exists)
        : entries_(sorted_once(std::move(entries))), settings_(settings), exists_(exists) {
        index();
    }

    QString write() {
        out_.reserve(entries_.size() * 120 + 4096);
        write_head();
        const ReportTotals totals = report_totals(entries_);
        append_summary(out_, totals, settings_.site);
        write_problem_totals(totals);
        if (settings_.site) write_lists(totals);
        out_ += QStringLiteral("</table>\r\n<br><hr>\r\n</td></tr>\r\n");
        for (const FileSpan& span : spans_) write_section(span);
        out_ += QStringLiteral("</table></body></html>\r\n");
        return std::move(out_);
    }

private:
    void index();
    bool target_exists(const QString& target);
    void write_head();
    void write_problem_totals(const ReportTotals& totals);
    void write_lists(const ReportTotals& totals);
    void write_list(const QString& caption, const std::function<bool(const FileSpan&)>& listed, bool none_row);
    void write_section(const FileSpan& span);
    void write_links(const FileSpan& span);
    void write_functions(const FileSpan& span, int kind, const char* title);
    void write_problems(const FileSpan& span);
    void section_row(const QString& title, bool line_column = false);
    const QString& file_of(const FileSpan& span) const { return entries_[span.first].file; }

    QList<ResultEntry> entries_;
    const ReportSettings& settings_;
    const FileExists& exists_;
    QList<FileSpan> spans_;
    QHash<QString, QStringList> referrers_;  // linked file -> the files that link to it, in order
    QHash<QString, bool> exists_cache_;
    QString out_;
};

void ReportWriter::index() {
    for (qsizetype i = 0; i < entries_.size();) {
        FileSpan span;
        span.first = i;
        const QString& file = entries_[i].file;
        for (; i < entries_.size() && entries_[i].file == file; ++i) {
            const ResultEntry& e = entries_[i];
            if (is_problem(e)) ++span.problems;
            else if (e.line == record_file_size && span.number == 0) span.number = static_cast<int>(i + 1);
            else if (e.line == record_link) {
                span.links_out = true;
                QStringList& from = referrers_[linked_file(e.text1)];
                if (from.isEmpty() || from.last() != file) from.append(file);
                if (!is_external(e.text1) && !target_exists(e.text1)) span.missing_link = true;
            }
        }
        span.end = i;
        if (span.number > 0) spans_.append(span);
    }
}

bool ReportWriter::target_exists(const QString& target) {
    const QString file = linked_file(target);
    const auto it = exists_cache_.constFind(file);
    if (it != exists_cache_.constEnd()) return *it;
    const bool there = exists_(file);
    exists_cache_.insert(file, there);
    return there;
}

void ReportWriter::write_head() {
    static constexpr const char* head[] = {
        "<html>", "<head>", "<title>Analysis Report</title>", "<style>",
        "#a {font: 14pt arial; color:black; }",
        "#c {font: 12pt arial; color:darkgreen; text-decoration:underline;}",
        "#b {font: 12pt courier; color:black;}",
        "#d {font: 14pt arial; color:red;}",
        "#e {font: 12pt courier; color:red;}",
        "#f {font: 12pt courier; color:purple;}",
        "#g {font: 14pt arial; color:red;}",
        "</style>", "</head>", "<body>", "<table width=760 border=0 cellspacing=0 cellpadding=0>",
    };
    for (const char* line : head) out_ += QLatin1String(line) + QStringLiteral("\r\n");
    if (settings_.site)
        out_ += QStringLiteral("<tr><td id='a' align=center>Project Analysis Report<br><br>") + escaped(settings_.site_folder);
    else
        out_ += QStringLiteral("<tr><td id='a' align=center>Current File Analysis Report<br>");
    out_ += QStringLiteral("</td></tr>\r\n");
}

void ReportWriter::write_problem_totals(const ReportTotals& totals) {
    if (totals.problem_files[summary_html] == 0) return;
    const QString row = QStringLiteral("<tr id='d'><td colspan=3>%1</td><td align=right>%2</td><td>&nbsp;</td></tr>\r\n");
    if (settings_.site) out_ += row.arg(QStringLiteral("Total # of Files with HTML Errors"), count_text(totals.problem_files[summary_html]));
    out_ += row.arg(QStringLiteral("Total # of HTML Errors in Project"), count_text(totals.problems));
}

void ReportWriter::write_list(const QString& caption, const std::function<bool(const FileSpan&)>& listed, bool none_row) {
    bool captioned = false;
    for (const FileSpan& span : spans_) {
        if (!listed(span)) continue;
        if (!captioned) out_ += QStringLiteral("<tr id='c' height=32 valign=bottom><td colspan=5>%1</td></tr>\r\n").arg(caption);
        captioned = true;
        out_ += QStringLiteral("<tr id='b'><td colspan=5>&nbsp;<a href=#F%1>%2</a>&nbsp;</td></tr>\r\n")
                    .arg(span.number)
                    .arg(escaped(file_of(span)));
    }
    if (!captioned && none_row)
        out_ += QStringLiteral("<tr id='c' height=32 valign=bottom><td colspan=5>%1</td></tr>\r\n<tr id='b'><td colspan=5>&nbsp;<b>NONE</b></td></tr>\r\n").arg(caption);
}

void ReportWriter::write_lists(const ReportTotals& totals) {
    write_list(QStringLiteral("Project Files containing HTML Errors"), [](const FileSpan& s) { return s.problems > 0; }, false);
    write_list(QStringLiteral("Project Files containing Missing File References"), [](const FileSpan& s) { return s.missing_link; }, true);
    bool unlinked = false;
    write_list(QStringLiteral("Possibly Unlinked Project Files"), [&](const FileSpan& s) {
        const bool listed = !s.links_out && !referrers_.contains(file_of(s));
        unlinked = unlinked || listed;
        return listed;
    }, false);
    if (unlinked && totals.files[summary_scripts] > 0)
        out_ += QStringLiteral("<tr><td colspan=4><i>Some of these files may be referred by within Scripts</i></td></tr>\r\n");
}

void ReportWriter::section_row(const QString& title, bool line_column) {
    out_ += QStringLiteral("<tr id='c' height=32 valign=bottom><td colspan=%1>&nbsp;%2").arg(line_column ? 5 : 6).arg(title);
    if (line_column) out_ += QStringLiteral("</td><td align=center id='b' width=100>Line #");
    out_ += QStringLiteral("</td></tr>\r\n");
}

void ReportWriter::write_section(const FileSpan& span) {
    const QString& file = file_of(span);
    const bool html = is_html_path(file);
    out_ += QStringLiteral("<tr><td colspan=2 align=center>\r\n<table width=750 border=0 cellspacing=0 cellpadding=0>\r\n");
    out_ += QStringLiteral("<tr id='%1'><td colspan=2><a name=\"F%2\"></a>&nbsp;Project File</td><td colspan=4>%3</td></tr>\r\n")
                .arg(span.problems > 0 ? QStringLiteral("d") : QStringLiteral("a"))
                .arg(span.number)
                .arg(escaped(file));
    const ResultEntry& size = entries_[span.number - 1];
    out_ += QStringLiteral("<tr id='b'><td>Total # of Lines</td><td align=right>%1</td><td>&nbsp;# of Bytes</td><td align=right>%2</td>")
                .arg(count_text(size.text1.toLongLong()), count_text(size.text2.toLongLong()));
    out_ += html ? QStringLiteral("<td>&nbsp;# of Errors</td><td align=right>%1</td></tr>\r\n").arg(count_text(span.problems))
                 : QStringLiteral("<td colspan=2>&nbsp;</td></tr>\r\n");
    out_ += QStringLiteral("<tr height=2><td colspan=6></td></tr>\r\n");
    for (qsizetype i = span.first; i < span.end; ++i) {
        const ResultEntry& e = entries_[i];
        if (e.line != record_javascript && e.line != record_vbscript) continue;
        if (e.text1.toLongLong() + e.text2.toLongLong() <= 0) continue;
        out_ += QStringLiteral("<tr id='b'><td>%1 # of Lines</td><td align=right>%2</td><td>&nbsp;# of Bytes</td><td align=right>%3</td><td colspan=2>&nbsp;</td></tr>\r\n")
                    .arg(e.line == record_javascript ? QStringLiteral("JavaScript") : QStringLiteral("VBScript"),
                         count_text(e.text1.toLongLong()), count_text(e.text2.toLongLong()));
    }
    write_links(span);
    write_functions(span, record_js_function, "Internal NAMED JavaScript Functions");
    write_functions(span, record_vb_procedure, "Internal NAMED VBScript Subs/Functions");
    write_problems(span);
    if (settings_.site) {
        const bool linked_to = referrers_.contains(file);
        const char* notice = !span.links_out && !linked_to ? "Notice : This is a STAND-ALONE Page"
                             : span.links_out && !linked_to ? "Notice : This is an ENTRY Page Only"
                                                            : nullptr;
        if (notice) out_ += QStringLiteral("<tr id='G'><td colspan=6 align=middle>%1</td></tr>\r\n").arg(QLatin1String(notice));
    }
    out_ += QStringLiteral("</table><hR>\r\n</td></tr>\r\n");
}

void ReportWriter::write_links(const FileSpan& span) {
    const QStringList referring = referrers_.value(file_of(span));
    if (!referring.isEmpty()) section_row(QStringLiteral("Files that Reference THIS File"));
    for (const QString& from : referring)
        out_ += QStringLiteral("<tr id='b'><td colspan=6>&nbsp;&nbsp;&nbsp;%1</td></tr>\r\n").arg(escaped(from));
    if (!span.links_out) return;
    section_row(QStringLiteral("Files Referenced by THIS File"));
    for (qsizetype i = span.first; i < span.end; ++i) {
        const ResultEntry& e = entries_[i];
        if (e.line != record_link) continue;
        const bool external = is_external(e.text1);
        const bool missing = !external && !target_exists(e.text1);
        const QString style = external ? QStringLiteral("f") : missing ? QStringLiteral("e") : QStringLiteral("b");
        const QString state = external ? QStringLiteral("<td align=center id='b'>External</td>")
                              : missing ? QStringLiteral("<td align=center id='b'>Missing</td>")
                                        : QStringLiteral("<td>&nbsp;</td>");
        out_ += QStringLiteral("<tr id='%1'><td colspan=5>&nbsp;&nbsp;&nbsp;%2</td>%3</tr>\r\n").arg(style, escaped(e.text1), state);
    }
}

void ReportWriter::write_functions(const FileSpan& span, int kind, const char* title) {
    QStringList headers;
    for (qsizetype i = span.first; i < span.end; ++i)
        if (entries_[i].line == kind) headers.append(entries_[i].text1);
    if (headers.isEmpty()) return;
    section_row(QLatin1String(title));
    out_ += QStringLiteral("<tr><td colspan=6>\r\n<table width=100% border=0 cellspacing=0 cellpadding=0>\r\n");
    for (qsizetype i = 0; i < headers.size(); i += 2) {
        out_ += QStringLiteral("<tr id='b'><td width=50%>&nbsp;&nbsp;&nbsp;") + escaped(headers[i]) + QStringLiteral("</td><td width=50%>");
        out_ += i + 1 < headers.size() ? escaped(headers[i + 1]) : QStringLiteral("&nbsp;");
        out_ += QStringLiteral("</td></tr>\r\n");
    }
    out_ += QStringLiteral("</table>\r\n</td></tr>\r\n");
}

void ReportWriter::write_problems(const FileSpan& span) {
    if (span.problems == 0) return;
    section_row(QStringLiteral("HTML Errors"), true);
    const QString folder = QUrl::fromLocalFile(settings_.icon_folder).toString(QUrl::FullyEncoded);
    for (qsizetype i = span.first; i < span.end; ++i) {
        const ResultEntry& e = entries_[i];
        if (!is_problem(e)) continue;
        const QString icon = e.code > first_warning_code ? QStringLiteral("<img src=\"%1/q.gif\" alt=\"?\">").arg(folder)
                                                         : QStringLiteral("<img src=\"%1/ex.gif\" alt=\"!\">").arg(folder);
        const QString where = e.line == whole_file_line ? QStringLiteral("&nbsp;") : QString::number(e.line);
        out_ += QStringLiteral("<tr id='b'><td colspan=5>%1&nbsp;%2</td><td align=right>%3</td></tr>\r\n")
                    .arg(icon, escaped(message_text(e.code, e.text1, e.text2)), where);
    }
}

}  // namespace

bool file_exists_on_disk(const QString& path) { return QFileInfo::exists(path); }

QString analysis_report(QList<ResultEntry> entries, const ReportSettings& settings, const FileExists& exists) {
    return ReportWriter(std::move(entries), settings, exists).write();
}

bool save_report(const QString& path, const QString& page, QString* error) {
    return write_whole_file(path, page.toUtf8(), error);
}

}  // namespace tamsel
