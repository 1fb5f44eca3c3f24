#include "cli/cli_db.h"

#include "cli/cli_common.h"
#include "tagdb/db_check.h"
#include "tagdb/db_source.h"

#include <QFileInfo>

namespace tamsel::cli {

const char* const db_help =
    "usage: tamsel db build SRC OUT   turn the sources in SRC (data/*.txt) into the six .DB files in OUT\n"
    "       tamsel db dump DIR OUT    write the tables of the .DB files in DIR as sources into OUT\n"
    "       tamsel db check DIR       list what is wrong with the database in DIR (.DB files or sources)\n"
    "A source folder built, dumped and built again gives the same .DB files byte for byte.\n"
    "Exit status: 0 done (check: nothing wrong), 1 check found problems, 2 bad usage or unreadable files.\n";

namespace {

int report_problems(const QStringList& problems) {
    for (const QString& p : problems) err() << "tamsel: " << p << Qt::endl;
    return problems.isEmpty() ? exit_done : exit_usage;
}

int build(const QString& src, const QString& out_dir) {
    QStringList problems;
    const SourceTables tables = read_sources(src, &problems);
    if (!problems.isEmpty()) return report_problems(problems);
    QString error;
    if (!write_database_files(tables, out_dir, &error)) return report_problems({error});
    return exit_done;
}

int dump(const QString& dir, const QString& out_dir) {
    QStringList problems;
    const SourceTables tables = read_database_files(dir, &problems);
    if (!problems.isEmpty()) return report_problems(problems);
    QString error;
    if (!write_sources(tables, out_dir, &error)) return report_problems({error});
    return exit_done;
}

int check(const QString& dir) {
    QStringList problems;
    const bool sources = !QFileInfo::exists(dir + QStringLiteral("/HTML_Tags.DB")) &&
                         QFileInfo::exists(dir + QStringLiteral("/HTML_Tags.txt"));
    const SourceTables tables = sources ? read_sources(dir, &problems) : read_database_files(dir, &problems);
    if (!problems.isEmpty()) return report_problems(problems);
    const QStringList found = check_tables(tables);
    for (const QString& p : found) out() << dir << ": " << p << Qt::endl;
    err() << found.size() << (found.size() == 1 ? " problem" : " problems") << Qt::endl;
    return found.isEmpty() ? exit_done : exit_problems;
}

}  // namespace

int run_db(const QStringList& args) {
    if (wants_help(args)) {
        out() << db_help;
        return exit_done;
    }
    const QString verb = args.value(0);
    if ((verb == QLatin1String("build") || verb == QLatin1String("dump")) && args.size() == 3)
        return verb == QLatin1String("build") ? build(args[1], args[2]) : dump(args[1], args[2]);
    if (verb == QLatin1String("check") && args.size() == 2) return check(args[1]);
    err() << db_help;
    return exit_usage;
}

}  // namespace tamsel::cli
