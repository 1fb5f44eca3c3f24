#pragma once
// What the error list shows of a result list, and the decision it asks of the user: the problems of the
// pages scanned (statistics, links and the other records stay out), each with its icon, line and message,
// and the two counts. A cleanup shows the lines of its one page; a help check the file of each problem too.
#include "analyze/markup_scanner.h"
#include "analyze/error_list_form.h"

namespace tamsel {

class EditorBuffer;
class ResultList;

// The window's content for results: in cleanup mode the columns "Line" and "Error/Warning" (and a hidden
// third), otherwise "Filename", "Line" and "Error/Warning". A help check that found errors says they must
// be resolved, and "Ignore Errors" cannot be chosen.
ErrorListRequest error_list_request(const ResultList& results, AnalyzeMode mode);

// Shows the error list when results hold any error or warning, and tells whether the command may go on:
// with nothing to show, or with "Ignore Errors" chosen (in cleanup mode that forgets the errors: the
// error count becomes 0). Cancel always stops the command; so does a list nobody can show (no form).
// go_to_line, when given, shows a row's line of the page while the list is open.
bool errors_resolved(ResultList& results, AnalyzeMode mode, ErrorListForm* form,
                     std::function<void(int line)> go_to_line = {});

// Selects line (from 1) of the editor's text, without its line end, and brings it into view.
void select_line(EditorBuffer& editor, int line);

}  // namespace tamsel
