#include "cli/cli_functions.h"

#include "cli/cli_common.h"
#include "find/function_finder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tamsel::cli {

const char* const functions_help =
    "usage: tamsel functions FILE...\n"
    "Lists the JavaScript functions and VBScript procedures declared in the SCRIPT blocks of each page, as\n"
    "the editor's Function Finder does, one line each: FILE:LINE: NAME. A FILE of - is read from standard\n"
    "input. In each block the functions come first, then the subs.\n"
    "Exit status: 0 some found, 1 none found, 2 bad usage or a page that cannot be read.\n";

namespace {

struct FunctionsOptions {
    QStringList files;
    QString error;
};

FunctionsOptions parse_functions(const QStringList& args) {
    FunctionsOptions o;
    for (const QString& a : args) {
        if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) o.error = QStringLiteral("unknown option '%1'").arg(a);
        else o.files.append(a);
    }
    if (o.files.isEmpty() && o.error.isEmpty()) o.error = QStringLiteral("no FILE given");
    return o;
}

}  // namespace

int run_functions(const QStringList& args) {
    CommonOptions common;
    FunctionsOptions options;
    if (const auto ended = begin_command(args, "functions", functions_help, parse_functions, common, options)) return *ended;
    qsizetype found = 0;
    bool unreadable = false;
    for (const QString& name : options.files) {
        const bool from_stdin = name == QLatin1String("-");
        QFile file(name);
        if (!from_stdin && (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly))) {
            err() << cannot_read(name) << Qt::endl;
            unreadable = true;
            continue;
        }
        const QString text = decode_document(from_stdin ? read_standard_input() : file.readAll()).text;
        const QString shown = from_stdin ? stdin_name : QDir::cleanPath(name);
        const QList<FunctionEntry> entries = find_functions(text);
        for (const FunctionEntry& e : entries) out() << shown << ':' << e.line + 1 << ": " << e.name << '\n';
        found += entries.size();
    }
    out().flush();
    if (unreadable) return exit_usage;
    if (found == 0) {
        err() << "No Functions or Subroutines Found" << Qt::endl;
        return exit_problems;
    }
    return exit_done;
}

}  // namespace tamsel::cli
