#pragma once
// The analysis report page: a summary of the files, lines and bytes of HTML, internal scripts and script
// files, the lists of files with problems, with missing references and possibly unlinked, and a section
// per file with its links in and out, its script functions and its problems. Every text that comes from a
// page or a path is escaped, so no page can put markup into the report.
#include "analyze/result_list.h"

#include <QString>
#include <functional>

namespace tamsel {

struct ReportSettings {
    bool site = true;      // a site report; otherwise the report on the current file
    QString site_folder;   // shown under a site report's title
    QString icon_folder;   // where q.gif (before a warning) and ex.gif (before an error) are
};

// Whether a file exists; the tests give their own.
using FileExists = std::function<bool(const QString& path)>;
bool file_exists_on_disk(const QString& path);

// The report page for the entries of a scan (records and problems, in any order; a problem filed twice on
// one line is shown once).
QString analysis_report(QList<ResultEntry> entries, const ReportSettings& settings,
                        const FileExists& exists = file_exists_on_disk);


// Writes page to path as UTF-8, whole or not at all; error says why it could not.
bool save_report(const QString& path, const QString& page, QString* error);

}  // namespace tamsel
