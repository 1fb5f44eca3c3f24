#pragma once
// The result list every analysis command fills: problems of the pages (errors and warnings) and the records
// the reports and the help builder read (statistics, links, script functions, help-check keywords).
#include <QList>
#include <QString>

namespace tamsel {

// The Line of an entry is a line number for a problem; these negative values mark the other record kinds.
enum RecordKind : int {
    record_help_keyword = -1200,      // Text1 one keyword, Text2 the page title
    record_help_description = -1100,  // Text1 the description, Text2 the page title
    record_file_size = -900,          // Text1 lines, Text2 bytes
    record_javascript = -800,         // Text1 JavaScript lines, Text2 JavaScript characters
    record_vbscript = -700,           // Text1 VBScript lines, Text2 VBScript characters
    record_link = -600,               // Text1 the full path of a linked file
    record_js_function = -500,        // Text1 "FUNCTION NAME"
    record_vb_procedure = -400,       // Text1 "SUB NAME" or "FUNCTION NAME"
};

// The Line of a problem that belongs to the whole file.
constexpr int whole_file_line = 32767;
// Codes below this are errors, the others warnings.
constexpr int first_warning_code = 100;

inline bool is_error_code(int code) { return code < first_warning_code; }

struct ResultEntry {
    QString file;  // the path, letter case kept
    int line = 0;
    int code = 0;
    QString text1;
    QString text2;
    int sequence = 0;  // 1-based position in the list when the entry was added
    bool operator==(const ResultEntry&) const = default;
};

// A page's problem, as against the records of the other kinds (which have negative lines).
inline bool is_problem(const ResultEntry& e) { return e.line > 0; }

}  // namespace tamsel

Q_DECLARE_TYPEINFO(tamsel::ResultEntry, Q_RELOCATABLE_TYPE);

namespace tamsel {

class ResultList {
public:
    // Empties the list and both counters.
    void clear();
    // Appends an entry with its texts upper-cased; nothing when file is empty.
    void add_result(const QString& file, int line, int code, const QString& text1, const QString& text2);
    // Appends an entry whose Text1 is a path: its letter case is kept.
    void add_path_result(const QString& file, int line, int code, const QString& path);
    // Orders by File, then Line, then Sequence (character codes; the order is total).
    void sort_results();
    // Appends the entries of other as if they had been filed here after the ones already here: their
    // sequence numbers follow on, and the counters add up.
    void append_list(const ResultList& other);

    const QList<ResultEntry>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }

    int error_count = 0;
    int warning_count = 0;

private:
    QList<ResultEntry> entries_;
};

// Files the problems of the file being scanned and keeps the counters.
class ProblemReporter {
public:
    explicit ProblemReporter(ResultList& results) : results_(results) {}

    // A problem at the current line.
    void report_problem(int code, const QString& text1 = {}, const QString& text2 = {}) {
        report_problem_at(line, code, text1, text2);
    }
    // A problem at a given line; a line of 0 is filed but not counted.
    void report_problem_at(int at_line, int code, const QString& text1 = {}, const QString& text2 = {});

    ResultList& results() { return results_; }

    QString file;  // the file every entry belongs to
    int line = 0;  // the line being scanned

private:
    ResultList& results_;
};

}  // namespace tamsel
