#include "cli/cli_report.h"

#include "analyze/site_report.h"
#include "analyze/site_scan.h"
#include "cli/cli_common.h"
#include "cli/problem_lines.h"

#include <QDir>
#include <QFileInfo>

namespace tamsel::cli {

const char* const report_help =
    "usage: tamsel report PATH [-o OUT] [--data DIR]\n"
    "Writes the analysis report page, as \"WebSite Statistics\" and \"Document Statistics\" do: for a folder\n"
    "the site report (every page, then every .js and .vbs file below it: lines, bytes, links in and out,\n"
    "missing and external references, possibly unlinked files, script functions, problems), for a file the\n"
    "report on that file. The page goes to OUT (replaced as a whole), by default reports/statistics.html in\n"
    "the per-user data folder, and its path is printed.\n"
    "  -o OUT      write the page to OUT\n"
    "  --data DIR  read the tag database from DIR instead of the per-user copy\n"
    "Exit status: 0 written (problems in the pages are in the report), 2 bad usage or a path that cannot be\n"
    "read or written.\n";

namespace {

struct ReportOptions {
    QString path;
    QString output;
    QString error;
};

ReportOptions parse_report(const QStringList& args) {
    ReportOptions o;
    for (qsizetype i = 0; i < args.size() && o.error.isEmpty(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size()) o.output = args[++i];
        else if (args[i] == QLatin1String("-o")) o.error = QStringLiteral("-o needs a file name");
        else if (args[i].startsWith(QLatin1Char('-'))) o.error = QStringLiteral("unknown option '%1'").arg(args[i]);
        else if (o.path.isEmpty()) o.path = args[i];
        else o.error = QStringLiteral("one PATH only, not also '%1'").arg(args[i]);
    }
    if (o.path.isEmpty() && o.error.isEmpty()) o.error = QStringLiteral("no PATH given");
    return o;
}

}  // namespace

int run_report(const QStringList& args) {
    CommonOptions common;
    ReportOptions options;
    if (const auto ended = begin_command(args, "report", report_help, parse_report, common, options)) return *ended;
    const QFileInfo info(options.path);
    if (!info.isReadable() || (!info.isDir() && !info.isFile())) {
        err() << cannot_read(options.path) << Qt::endl;
        return exit_usage;
    }
    CliContext context(common, Reads::database_only);
    if (!context.ok()) return exit_usage;
    Workspace& ws = context.ws();
    const bool site = info.isDir();
    const QList<SiteFile> files = site ? site_files(options.path) : QList<SiteFile>{{options.path, info.size(), false, true}};
    ProgressModel quiet;
    ScannedFiles scanned = scan_files(files, ws.db, AnalyzeMode::report, quiet);
    for (qsizetype i = 0; i < files.size(); ++i)
        if (!scanned.read[static_cast<std::size_t>(i)]) err() << cannot_read(files[i].path) << Qt::endl;

    ReportSettings settings;
    settings.site = site;
    settings.site_folder = QDir::cleanPath(options.path);
    settings.icon_folder = ws.paths.program_data + QStringLiteral("/report");
    const QString path = options.output.isEmpty() ? ws.paths.reports() + QStringLiteral("/statistics.html") : options.output;
    QString error;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !save_report(path, analysis_report(scanned.results.entries(), settings), &error)) {
        err() << "tamsel: cannot write '" << escaped_for_terminal(path) << "': " << error << Qt::endl;
        return exit_usage;
    }
    out() << QDir::cleanPath(path) << Qt::endl;
    return exit_done;
}

}  // namespace tamsel::cli
