#include "analyze/error_list.h"

#include "analyze/message_text.h"
#include "analyze/result_list.h"
#include "platform/editor_buffer.h"
#include "platform/file_names.h"

#include <array>

namespace tamsel {
namespace {

struct ColumnDef {
    QStringView title;
    int width;
};

constexpr std::array<ColumnDef, 3> cleanup_columns = {{
    {u"Line",          55},
    {u"Error/Warning", 650},
    {u"",              0},
}};

constexpr std::array<ColumnDef, 3> file_columns = {{
    {u"Filename",      200},
    {u"Line",          55},
    {u"Error/Warning", 450},
}};

constexpr int error_icon = 1;
constexpr int warning_icon = 2;

QString four_digits(int n) { return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')); }

// A problem of the whole file has no line to show.
QString line_text(int line) { return line == whole_file_line ? QString() : four_digits(line); }

}  // namespace

ErrorListRequest error_list_request(const ResultList& results, AnalyzeMode mode) {
    const bool cleanup = mode == AnalyzeMode::cleanup;
    ErrorListRequest request;
    request.caption = QStringLiteral("Structure Errors");
    request.error_count = four_digits(results.error_count);
    request.warning_count = four_digits(results.warning_count);
    for (const ColumnDef& c : cleanup ? cleanup_columns : file_columns) request.columns.append({c.title.toString(), c.width});
    for (const ResultEntry& e : results.entries()) {
        if (e.line <= 0) continue;  // statistics, links, functions and keywords
        ErrorListRow row;
        row.icon = is_error_code(e.code) ? error_icon : warning_icon;
        row.line = e.line == whole_file_line ? 0 : e.line;
        const QString message = message_text(e.code, e.text1, e.text2);
        row.cells = cleanup ? QStringList{line_text(e.line), message, QString()}
                            : QStringList{file_name_part(e.file), line_text(e.line), message};
        request.rows.append(row);
    }
    if (mode == AnalyzeMode::help_check && results.error_count > 0) {
        request.caption = QStringLiteral("ERRORS MUST BE RESOLVED BEFORE CONTINUING");
        request.ignore_enabled = false;
    }
    return request;
}

bool errors_resolved(ResultList& results, AnalyzeMode mode, ErrorListForm* form, std::function<void(int)> go_to_line) {
    if (results.error_count + results.warning_count <= 0) return true;
    ErrorListRequest request = error_list_request(results, mode);
    request.go_to_line = std::move(go_to_line);
    if (!form || form->show(request) != ErrorListAnswer::IgnoreErrors || !request.ignore_enabled) return false;
    if (mode == AnalyzeMode::cleanup) results.error_count = 0;
    return results.error_count == 0;
}

void select_line(EditorBuffer& editor, int line) {
    if (line < 1 || line > editor.line_count()) return;
    const qsizetype start = editor.line_start(line - 1);
    qsizetype end = line < editor.line_count() ? editor.line_start(line) : editor.length();
    const QString text = editor.text();
    while (end > start && (text[end - 1] == QLatin1Char('\n') || text[end - 1] == QLatin1Char('\r'))) --end;
    editor.set_selection(start, end - start);
}

}  // namespace tamsel
