#pragma once
// The scan of many files at once, as the site commands and `tamsel check` run it: every file through its
// own scanner on every core, the results merged in the walk's order and numbered as one scan after the
// other would have numbered them.
#include "analyze/markup_scanner.h"
#include "analyze/result_list.h"
#include "analyze/site_walk.h"

#include <vector>

namespace tamsel {

class ProgressModel;
class TagDatabase;

struct ScannedFiles {
    ResultList results;
    std::vector<bool> read;  // per file: whether it could be read (files not scanned count as read)
};

// The name a file's problems are filed under: its whole path, or stdin_name for standard input ("-").
QString filed_name(const SiteFile& file, const QString& stdin_name = {});

// Whether the links of every line are read into the results: the site report and the help build need
// them; a check that shows only problems leaves them out, which saves an eighth of its time.
enum class Links { read, left_out };

// Scans files (the page "-" is standard_input, filed as stdin_name); slot 1 of progress counts the files
// done. The results are not sorted.
ScannedFiles scan_files(const QList<SiteFile>& files, const TagDatabase& db, AnalyzeMode mode, ProgressModel& progress,
                        const QString& standard_input = {}, const QString& stdin_name = {}, Links links = Links::read);

}  // namespace tamsel
