#include "analyze/site_scan.h"

#include "core/progress_model.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>

namespace tamsel {

namespace {

// One file's outcome: scanned on whichever thread took it, merged in the walk's order.
struct Checked {
    ResultList results;
    bool read = true;
};

}  // namespace

QString filed_name(const SiteFile& file, const QString& stdin_name) {
    return file.path == QLatin1String("-") ? stdin_name : QDir::cleanPath(QFileInfo(file.path).absoluteFilePath());
}

ScannedFiles scan_files(const QList<SiteFile>& files, const TagDatabase& db, AnalyzeMode mode, ProgressModel& progress,
                        const QString& standard_input, const QString& stdin_name, Links links) {
    std::vector<Checked> checked(static_cast<std::size_t>(files.size()));
    std::atomic<qsizetype> next{0};
    std::atomic<int> done{0};
    db.prepare_for_readers();
    // Each thread has its own scanner and result list (the database is only read). Only the calling
    // thread shows progress: the files done so far, by every thread.
    const auto work = [&](bool shows_progress) {
        ResultList results;
        MetaSlots metas;
        MarkupScanner scanner(db, results, metas, mode);
        scanner.collect_links = links == Links::read;
        for (qsizetype i = next++; i < files.size(); i = next++) {
            const SiteFile& f = files[i];
            if (f.scanned) {
                results.clear();
                scanner.script_file = f.script_file;
                Checked& c = checked[static_cast<std::size_t>(i)];
                if (f.path == QLatin1String("-")) scanner.scan_text(standard_input, standard_input.size(), stdin_name);
                else c.read = scanner.scan_file(filed_name(f, stdin_name));
                c.results = std::move(results);
            }
            ++done;
            if (shows_progress) progress.advance_progress(1, done.load(), true);
        }
    };
    const int threads = std::clamp(QThread::idealThreadCount(), 1, static_cast<int>(std::max<qsizetype>(files.size(), 1)));
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(work, false);
    work(true);
    for (std::thread& t : pool) t.join();
    progress.advance_progress(1, done.load(), true);

    ScannedFiles scanned;
    scanned.read.assign(checked.size(), true);
    for (std::size_t i = 0; i < checked.size(); ++i) {
        scanned.results.append_list(checked[i].results);
        scanned.read[i] = checked[i].read;
    }
    return scanned;
}

}  // namespace tamsel
