#pragma once
// "Document Statistics" and "WebSite Statistics": the current document, or every page and script of a
// folder the user chooses, scanned and written up as the analysis report page, which the desktop's
// browser then shows.
#include <QString>

namespace tamsel {

class CommandRegistry;
class EditorSession;
class TagDatabase;

struct ReportPlace {
    QString report;       // the page written, reports/statistics.html in the per-user data folder
    QString icon_folder;  // the shipped q.gif and ex.gif
};

void register_report_commands(CommandRegistry& handlers, EditorSession& session, const TagDatabase& db, ReportPlace place);

}  // namespace tamsel
