#include "cli/cli_spec_report.h"

#include "cli/cli_common.h"
#include "cli/problem_lines.h"
#include "tagdb/spec_report.h"

#include <QDir>

namespace tamsel::cli {

const char* const spec_report_help =
    "usage: tamsel spec-report [-o OUT] [--data DIR]\n"
    "Writes the tag database as one printable HTML page, as the tag database browser's \"Print\" does: a\n"
    "table per tag with its end-tag rule, description, attributes (name, required, type or choices) and\n"
    "events. The page goes to OUT (replaced as a whole), by default reports/html_spec.html in the per-user\n"
    "data folder, and its path is printed.\n"
    "  -o OUT      write the page to OUT\n"
    "  --data DIR  read the tag database from DIR instead of the per-user copy\n"
    "Exit status: 0 written, 2 bad usage or a page or database that cannot be read or written.\n";

namespace {

struct ReportOptions {
    QString output;
    QString error;
};

ReportOptions parse_report(const QStringList& args) {
    ReportOptions o;
    for (qsizetype i = 0; i < args.size() && o.error.isEmpty(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size()) o.output = args[++i];
        else if (args[i] == QLatin1String("-o")) o.error = QStringLiteral("-o needs a file name");
        else o.error = QStringLiteral("unexpected '%1'").arg(args[i]);
    }
    return o;
}

}  // namespace

int run_spec_report(const QStringList& args) {
    CommonOptions common;
    ReportOptions options;
    if (const auto ended = begin_command(args, "spec-report", spec_report_help, parse_report, common, options)) return *ended;
    CliContext context(common);
    if (!context.ok()) return exit_usage;
    const QString path = options.output.isEmpty() ? context.ws().paths.reports() + QStringLiteral("/html_spec.html") : options.output;
    QString error;
    if (!write_spec_report(context.ws().db, path, &error)) {
        err() << "tamsel: cannot write '" << escaped_for_terminal(path) << "': " << error << Qt::endl;
        return exit_usage;
    }
    out() << QDir::cleanPath(path) << Qt::endl;
    return exit_done;
}

}  // namespace tamsel::cli
