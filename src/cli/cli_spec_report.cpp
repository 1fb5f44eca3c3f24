#include "cli/cli_spec_report.h"

#include "cli/cli_common.h"
#include "cli/problem_lines.h"
#include "tagdb/css_report.h"
#include "tagdb/spec_report.h"

#include <QDir>

namespace tamsel::cli {

const char* const spec_report_help =
    "usage: tamsel spec-report [--css] [--meta] [-o OUT] [--data DIR]\n"
    "Writes the tag database as one printable HTML page, as the tag database browser's \"Print\" does: a\n"
    "table per tag with its end-tag rule, description, attributes (name, required, type or choices) and\n"
    "events. The page goes to OUT (replaced as a whole), by default reports/html_spec.html (css_spec.html\n"
    "with --css) in the per-user data folder, and its path is printed.\n"
    "  --css       the style sheet properties instead, a table per group with each property's values\n"
    "  --meta      name every tag (property) as a keyword and the page's subject as its description in\n"
    "              META tags, for a help build (`tamsel helpbuild`)\n"
    "  -o OUT      write the page to OUT\n"
    "  --data DIR  read the tag database from DIR instead of the per-user copy\n"
    "Exit status: 0 written, 2 bad usage or a page or database that cannot be read or written.\n";

namespace {

struct ReportOptions {
    QString output;
    bool css = false;
    bool for_help = false;
    QString error;
};

ReportOptions parse_report(const QStringList& args) {
    ReportOptions o;
    for (qsizetype i = 0; i < args.size() && o.error.isEmpty(); ++i) {
        if (args[i] == QLatin1String("--css")) o.css = true;
        else if (args[i] == QLatin1String("--meta")) o.for_help = true;
        else if (args[i] == QLatin1String("-o") && i + 1 < args.size()) o.output = args[++i];
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
    const QString name = options.css ? QStringLiteral("/css_spec.html") : QStringLiteral("/html_spec.html");
    const QString path = options.output.isEmpty() ? context.ws().paths.reports() + name : options.output;
    const TagDatabase& db = context.ws().db;
    QString error;
    if (!write_report_page(path, options.css ? css_report(db, options.for_help) : spec_report(db, options.for_help), &error)) {
        err() << "tamsel: cannot write '" << escaped_for_terminal(path) << "': " << error << Qt::endl;
        return exit_usage;
    }
    out() << QDir::cleanPath(path) << Qt::endl;
    return exit_done;
}

}  // namespace tamsel::cli
