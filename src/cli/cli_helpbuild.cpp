#include "cli/cli_helpbuild.h"

#include "cli/cli_common.h"
#include "cli/problem_lines.h"
#include "helpbuild/help_builder.h"
#include "helpbuild/help_compiler.h"
#include "analyze/site_scan.h"
#include "helpbuild/help_site_scan.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace tamsel::cli {

const char* const helpbuild_help =
    "usage: tamsel helpbuild SITE --index PAGE [-o DIR] [--no-compile]\n"
    "Builds a compiled help file from the website folder SITE, as \"HTMLHelp System Compiler\" does.\n"
    "SITE is checked in help mode first and its problems are printed as `tamsel check --mode help` prints\n"
    "them; with errors nothing is built. Otherwise DIR receives the help project HELPFILE.hhp, its contents\n"
    "HELPFILE.hhc and index HELPFILE.hhk, and HELPFILE.site, a copy of the site's pages and of the files they\n"
    "link to, which each build replaces: the project names every file relative to DIR, inside that copy,\n"
    "as the compiler needs. Links with a scheme (http:, mailto:, ...) are left out; so are linked files\n"
    "outside SITE or missing, which are listed. Then the help compiler (the configured htmlhelp_path, else\n"
    "chmcmd) writes HELPFILE.chm; its output is kept as HELPFILE.log and its lines holding \"ERROR:\" are\n"
    "printed. The paths of the files written are printed.\n"
    "  --index PAGE   the page the help opens at, inside SITE\n"
    "  -o DIR         the folder of the project (not inside SITE); by default help/ in the per-user data\n"
    "                 folder\n"
    "  --no-compile   write the project only\n"
    "Exit status: 0 built, 1 errors in the site or from the compiler, 2 bad usage or files that cannot be\n"
    "read or written.\n";

namespace {

struct HelpbuildOptions {
    QString site;
    QString index;
    QString output;
    bool compile = true;
    QString error;
};

HelpbuildOptions parse_helpbuild(const QStringList& args) {
    HelpbuildOptions o;
    for (qsizetype i = 0; i < args.size() && o.error.isEmpty(); ++i) {
        const QString& a = args[i];
        if ((a == QLatin1String("--index") || a == QLatin1String("-o")) && i + 1 >= args.size())
            o.error = a + QStringLiteral(" needs a value");
        else if (a == QLatin1String("--index")) o.index = args[++i];
        else if (a == QLatin1String("-o")) o.output = args[++i];
        else if (a == QLatin1String("--no-compile")) o.compile = false;
        else if (a.startsWith(QLatin1Char('-'))) o.error = QStringLiteral("unknown option ") + a;
        else if (o.site.isEmpty()) o.site = a;
        else o.error = QStringLiteral("unexpected '%1'").arg(a);
    }
    if (o.error.isEmpty() && o.site.isEmpty()) o.error = QStringLiteral("no SITE given");
    if (o.error.isEmpty() && o.index.isEmpty()) o.error = QStringLiteral("no --index PAGE given");
    return o;
}

// Prints the problems of the scan as `check` does, each file as the walk named it; false when it found errors.
bool print_problems(const ResultList& results, const QList<SiteFile>& files) {
    QHash<QString, QString> shown;
    for (const SiteFile& f : files) shown.insert(filed_name(f), QDir::cleanPath(f.path));
    for (const ResultEntry& e : results.entries())
        if (e.line > 0) out() << problem_line(e, shown.value(e.file, e.file)) << '\n';
    out().flush();
    err() << "tamsel helpbuild: " << files.size() << (files.size() == 1 ? " file, " : " files, ")
          << problem_counts(results.error_count, results.warning_count) << Qt::endl;
    return results.error_count == 0;
}

int compile(const QString& folder, const QString& configured) {
    const HelpCompileOutcome outcome = compile_help_project(folder, find_help_compiler(configured));
    for (const QString& line : outcome.error_lines) out() << escaped_for_terminal(line) << '\n';
    out().flush();
    if (outcome.status == CompileStatus::failed) {
        err() << "tamsel helpbuild: " << escaped_for_terminal(QString(outcome.message).replace(QStringLiteral("\r\n"), QStringLiteral(" / ")))
              << Qt::endl;
        return exit_problems;
    }
    out() << QDir::cleanPath(outcome.compiled_file) << Qt::endl;
    return outcome.status == CompileStatus::compiled ? exit_done : exit_problems;
}

}  // namespace

int run_helpbuild(const QStringList& args) {
    CommonOptions common;
    HelpbuildOptions options;
    if (const auto ended = begin_command(args, "helpbuild", helpbuild_help, parse_helpbuild, common, options)) return *ended;
    CliContext context(common);
    if (!context.ok()) return exit_usage;
    Workspace& ws = context.ws();
    const HelpBuildRequest request{QDir::cleanPath(options.site), options.index,
                                   options.output.isEmpty() ? ws.paths.help() : options.output,
                                   program_file().completeBaseName()};
    if (const QString refusal = help_build_refusal(request); !refusal.isEmpty()) {
        err() << "tamsel helpbuild: " << escaped_for_terminal(refusal) << Qt::endl;
        return exit_usage;
    }

    QStringList unread;
    const QList<SiteFile> files = scan_help_site(ws.db, request.site_folder, ws.results, ws.metas, nullptr, &unread);
    for (const QString& path : unread) err() << cannot_read(path) << Qt::endl;
    if (!print_problems(ws.results, files)) return exit_problems;
    if (!unread.isEmpty()) return exit_usage;

    const HelpProjectOutcome project = write_help_project(ws.results.entries(), request);
    for (const LeftOutFile& f : project.left_out)
        err() << "tamsel helpbuild: left out of the help (" << f.reason << "): " << escaped_for_terminal(f.path) << Qt::endl;
    if (!project.written) {
        err() << "tamsel helpbuild: cannot write the project: " << escaped_for_terminal(project.error) << Qt::endl;
        return exit_usage;
    }
    for (const QString& path : {project.project_file, project.contents_file, project.index_file})
        out() << QDir::cleanPath(path) << '\n';
    out().flush();
    return options.compile ? compile(request.project_folder, ws.config.config_text(htmlhelp_path)) : exit_done;
}

}  // namespace tamsel::cli
