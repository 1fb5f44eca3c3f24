// tamsel: the engine of Tamsel 2001 on the command line.
#include "cli/cli_calendar.h"
#include "cli/cli_check.h"
#include "cli/cli_cleanup.h"
#include "cli/cli_common.h"
#include "cli/cli_db.h"
#include "cli/cli_functions.h"
#include "cli/cli_report.h"
#include "cli/cli_import.h"
#include "cli/cli_helpbuild.h"
#include "cli/cli_spec_report.h"
#include "cli/cli_table.h"
#include "platform/app_info.h"

#include <QCoreApplication>
#include <array>
#include <optional>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args);
    const char* summary;
    // Waiting for another program (the help compiler) needs the event machinery of an application object.
    bool runs_programs = false;
};

constexpr std::array<Command, 11> commands = {{
    {"db",          tamsel::cli::run_db,             "build, dump and check the tag database files"},
    {"check",       tamsel::cli::run_check,          "list the errors and warnings of pages and website folders"},
    {"cleanup",     tamsel::cli::run_cleanup,        "check a page and lay it out again (tag case, indentation, margin)"},
    {"table",       tamsel::cli::run_table,          "pour an empty table of rows and columns into a page's body"},
    {"csv",         tamsel::cli::run_csv,            "pour comma-delimited data as a table into a page's body"},
    {"calendar",    tamsel::cli::run_calendar,       "insert the calendar of a month into a page"},
    {"report",      tamsel::cli::run_report,         "write the analysis report page of a website folder or a page"},
    {"functions",   tamsel::cli::run_functions,      "list the functions and subs declared in the scripts of pages"},
    {"import",      tamsel::cli::run_import,         "turn a text or RTF file into an HTML page"},
    {"spec-report", tamsel::cli::run_spec_report,    "write the tag database as one printable HTML reference page"},
    {"helpbuild",   tamsel::cli::run_helpbuild,      "check a website folder and build it into a compiled help file", true},
}};

void usage(QTextStream& s) {
    s << "usage: tamsel COMMAND [ARGS...]\n\ncommands:\n";
    for (const Command& c : commands) s << "  " << QString::fromLatin1(c.name).leftJustified(12) << c.summary << "\n";
    s << "\ncommon options: --data DIR (database folder), --set KEY=VALUE (configuration, repeatable)\n"
         "`tamsel COMMAND --help` describes a command; `tamsel --version` prints the version.\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    // Most commands run no event loop, so the tool makes an application object only for those that need one:
    // a check started once per file then does not pay for an event dispatcher and the system locale. The
    // names still place the user's files.
    QCoreApplication::setOrganizationName(QStringLiteral("HOLLEMAR"));
    QCoreApplication::setApplicationName(QStringLiteral("Tamsel2001"));
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        usage(args.isEmpty() ? tamsel::cli::err() : tamsel::cli::out());
        return args.isEmpty() ? tamsel::cli::exit_usage : tamsel::cli::exit_done;
    }
    if (args[0] == QLatin1String("--version")) {
        tamsel::cli::out() << "tamsel " << tamsel::version_text() << Qt::endl;
        return tamsel::cli::exit_done;
    }
    const QString name = args.takeFirst();
    for (const Command& c : commands) {
        if (name != QLatin1String(c.name)) continue;
        std::optional<QCoreApplication> app;
        if (c.runs_programs) app.emplace(argc, argv);
        return c.run(args);
    }
    tamsel::cli::err() << "tamsel: unknown command '" << name << "'\n";
    usage(tamsel::cli::err());
    return tamsel::cli::exit_usage;
}
