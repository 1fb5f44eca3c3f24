#pragma once
// frm_error as the analysis commands ask it: the problems a command found, for the user to look at before
// it goes on. A row of the page being worked on can be followed to its line (double-click or Enter) while
// the list stays open; the two buttons are the only way out. The window shows it with
// ErrorListDialog, the tests answer it with ScriptedErrorList.
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

namespace tamsel {

struct ErrorListColumn {
    QString title;
    int width = 0;  // in pixels; 0 hides the column
};

struct ErrorListRow {
    int icon = 1;       // 1 error, 2 warning
    QStringList cells;  // one per column
    int line = 0;       // the line of the problem in the page, from 1; 0 for none
};

struct ErrorListRequest {
    QString caption;
    QString error_count;    // as shown, "0003"
    QString warning_count;
    QList<ErrorListColumn> columns;
    QList<ErrorListRow> rows;
    bool ignore_enabled = true;  // the "Ignore Errors" button
    // Shows a row's line in the editor; empty when the rows are not of the page in the editor.
    std::function<void(int line)> go_to_line;
};

enum class ErrorListAnswer { IgnoreErrors, Cancel };

class ErrorListForm {
public:
    virtual ~ErrorListForm() = default;
    // Shows the list modally. Closing it by the window frame is Cancel.
    virtual ErrorListAnswer show(const ErrorListRequest& request) = 0;
};

// Answers from a script and keeps what it was shown.
class ScriptedErrorList : public ErrorListForm {
public:
    // Taken in order; when none is left, "Ignore Errors" while it is enabled, else Cancel.
    std::deque<ErrorListAnswer> answers;
    QList<ErrorListRequest> shown;

    ErrorListAnswer show(const ErrorListRequest& request) override {
        shown.append(request);
        ErrorListAnswer answer = request.ignore_enabled ? ErrorListAnswer::IgnoreErrors : ErrorListAnswer::Cancel;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        // A disabled button cannot be pressed.
        return request.ignore_enabled ? answer : ErrorListAnswer::Cancel;
    }
};

}  // namespace tamsel
