#include "helpbuild/help_site_scan.h"

#include "analyze/markup_scanner.h"
#include "core/progress_model.h"

#include <QDir>
#include <QFileInfo>
#include <climits>

namespace tamsel {

QString scanned_name(const SiteFile& file) { return QDir::cleanPath(QFileInfo(file.path).absoluteFilePath()); }

QList<SiteFile> scan_help_site(const TagDatabase& db, const QString& folder, ResultList& results, MetaSlots& metas,
                               ProgressModel* progress, QStringList* unread) {
    results.clear();
    const QList<SiteFile> files = site_files(folder);
    if (progress) progress->set_progress_maximum(1, static_cast<int>(files.size()));
    MarkupScanner scanner(db, results, metas, AnalyzeMode::help_check);
    for (const SiteFile& f : files) {
        if (f.scanned) {
            if (progress) progress->set_progress_maximum(0, static_cast<int>(qMin<qint64>(f.size + 2, INT_MAX)));
            scanner.set_progress(progress, 0);
            scanner.script_file = f.script_file;
            if (!scanner.scan_file(scanned_name(f)) && unread) unread->append(f.path);
        }
        if (progress) progress->advance_progress(1, 1);
    }
    results.sort_results();
    return files;
}

}  // namespace tamsel
