#include "helpbuild/help_site_scan.h"

#include "analyze/site_scan.h"
#include "core/progress_model.h"


namespace tamsel {

// The files are scanned on every core, as every site scan is; the META slots of a site scan belong to no
// one page, so metas is left as it was.
QList<SiteFile> scan_help_site(const TagDatabase& db, const QString& folder, ResultList& results, MetaSlots&,
                               ProgressModel* progress, QStringList* unread) {
    const QList<SiteFile> files = site_files(folder);
    ProgressModel quiet;
    ProgressModel& shown = progress ? *progress : quiet;
    shown.set_progress_maximum(1, static_cast<int>(files.size()));
    ScannedFiles scanned = scan_files(files, db, AnalyzeMode::help_check, shown);
    results = std::move(scanned.results);
    if (unread)
        for (qsizetype i = 0; i < files.size(); ++i)
            if (!scanned.read[static_cast<std::size_t>(i)]) unread->append(files[i].path);
    results.sort_results();
    return files;
}

}  // namespace tamsel
