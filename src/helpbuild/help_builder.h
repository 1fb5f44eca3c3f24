#pragma once
// build_help_project in two steps: writing the project (the copy of the site, the project, contents and
// index files) and compiling it. The project's folder holds HELPFILE.hhp, .hhc, .hhk, the compiler's
// output as HELPFILE.log, the compiled HELPFILE.chm, and HELPFILE.site, the copy of the site's pages and
// the files they link to, which each build replaces.
#include "analyze/result_list.h"
#include "helpbuild/help_entries.h"

#include <QString>
#include <QStringList>

namespace tamsel {

class ProgressModel;

struct HelpBuildRequest {
    QString site_folder;     // the website folder as chosen
    QString index_page;      // the page the help opens at
    QString project_folder;  // where the project is written
    QString generator;       // the program's name for the sitemaps' GENERATOR meta tag
};

// Why a build of request cannot be made, in words, or empty: the index page must be a file inside the
// website folder, and neither folder may lie inside the other's part (the project's copy would join the
// site, or replacing the copy would delete the site).
QString help_build_refusal(const HelpBuildRequest& request);

struct HelpProjectOutcome {
    bool written = false;
    QString error;  // why not
    QString project_file;
    QString contents_file;
    QString index_file;
    QList<LeftOutFile> left_out;  // linked files the help cannot hold
};

// Writes the project from the records of a help-check scan of the site. Slot 0 of progress goes to four
// times the number of records: the entries, then each file written. Files are replaced whole or not at all.
HelpProjectOutcome write_help_project(const QList<ResultEntry>& results, const HelpBuildRequest& request,
                                      ProgressModel* progress = nullptr);

enum class CompileStatus {
    compiled,     // the compiled file is there and the log holds no error
    log_errors,   // the log holds lines with "ERROR:"
    failed,       // the compiler is missing, could not start, failed or wrote no compiled file
};

struct HelpCompileOutcome {
    CompileStatus status = CompileStatus::failed;
    QStringList error_lines;  // the log's lines holding "ERROR:"
    QString message;          // for a failure: what happened, naming the program
    QString log_file;
    QString compiled_file;
};

// The files of the project in folder.
QString help_file_path(const QString& folder, const QString& suffix);

// Runs compiler (a program path; empty when none was found) on the project in folder. The old log and
// compiled file are deleted first; the compiler's output becomes the log.
HelpCompileOutcome compile_help_project(const QString& folder, const QString& compiler);

}  // namespace tamsel
