// The site report over a real documentation site (the Apache HTTP Server manual of Debian's apache2-doc,
// 2,685 pages, when installed): the scan of every page and script, then the report page written from the
// records, and `tamsel report` as a whole run.
#include "analyze/site_report.h"
#include "analyze/site_scan.h"
#include "core/progress_model.h"

#include "bench_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace tamsel;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString site = QStringLiteral("/usr/share/doc/apache2-doc/manual");
    if (!QDir(site).exists()) {
        std::printf("site report: %s is not installed (make bench installs apache2-doc)\n", qPrintable(site));
        return 0;
    }
    const TagDatabase db = bench::shipped_database();
    QElapsedTimer t;
    t.start();
    const QList<SiteFile> files = site_files(site);
    ProgressModel quiet;
    const ScannedFiles scanned = scan_files(files, db, AnalyzeMode::report, quiet);
    const double scan_s = t.nsecsElapsed() / 1e9;
    t.restart();
    const QString page = analysis_report(scanned.results.entries(), {true, site, QStringLiteral("/icons")});
    const double report_s = t.nsecsElapsed() / 1e9;
    std::printf("site report, %lld files, %lld records: scan %.3f s, report %.3f s (%.1f MB page)\n",
                static_cast<long long>(files.size()), static_cast<long long>(scanned.results.count()), scan_s, report_s,
                page.toUtf8().size() / 1e6);
    const QString cli = qEnvironmentVariable("TAMSEL_CLI");
    if (cli.isEmpty()) return 0;
    QTemporaryDir dir;
    std::printf("tamsel report (command, whole run): %.3f s\n",
                bench::run_seconds(cli, {"report", "--data", qEnvironmentVariable("TAMSEL_DATA_DIR"), site, "-o", dir.filePath(QStringLiteral("r.html"))}));
    return 0;
}
