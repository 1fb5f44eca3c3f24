// A help build over the Apache HTTP Server manual (Debian apache2-doc, `make bench` installs it): the
// help-check scan, the builder's own work (entries, the copy of the site, the three files) and chmcmd's
// compile of the result, each timed; the builder's share should stay under a tenth of the compiler's.
#include "analyze/result_list.h"
#include "helpbuild/help_builder.h"
#include "helpbuild/help_compiler.h"
#include "helpbuild/help_site_scan.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_reader.h"

#include "bench_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

using namespace tamsel;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString site = QStringLiteral("/usr/share/doc/apache2-doc/manual");
    if (!QFileInfo(site + QStringLiteral("/index.html")).isFile()) {
        std::printf("apache2-doc is not installed (make bench installs it); nothing measured\n");
        return 0;
    }
    const TagDatabase db = bench::shipped_database();
    if (db.db_fatal) return 1;
    QTemporaryDir out;
    ResultList results;
    MetaSlots metas;

    QElapsedTimer t;
    t.start();
    const QList<SiteFile> files = scan_help_site(db, site, results, metas);
    const double scan_s = t.nsecsElapsed() / 1e9;

    t.restart();
    const HelpEntries entries = help_entries(results.entries(), HelpLayout(site));
    const double entries_s = t.nsecsElapsed() / 1e9;

    t.restart();
    const HelpProjectOutcome project =
        write_help_project(results.entries(), {site, site + QStringLiteral("/index.html"), out.path(), QStringLiteral("tamsel")});
    const double build_s = t.nsecsElapsed() / 1e9;
    if (!project.written) {
        std::printf("the project was not written: %s\n", qPrintable(project.error));
        return 1;
    }
    std::printf("Apache manual: %lld files, %d records (%d errors, %d warnings), %lld linked files left out\n",
                static_cast<long long>(files.size()), results.count(), results.error_count, results.warning_count,
                static_cast<long long>(project.left_out.size()));
    std::printf("%-40s %8.3f s\n", "help-check scan", scan_s);
    std::printf("%-40s %8.3f s  (%lld entries, %lld files in the copy)\n", "of which the entries alone", entries_s,
                static_cast<long long>(entries.entries.size()), static_cast<long long>(entries.copied.size()));
    std::printf("%-40s %8.3f s\n", "builder (entries, copy, three files)", build_s);

    const QString chmcmd = QStandardPaths::findExecutable(default_help_compiler);
    if (chmcmd.isEmpty()) {
        std::printf("chmcmd is not installed (make deps installs fp-utils)\n");
        return 0;
    }
    t.restart();
    const HelpCompileOutcome compiled = compile_help_project(out.path(), chmcmd);
    const double compile_s = t.nsecsElapsed() / 1e9;
    std::printf("%-40s %8.3f s  (%s, %lld MB)\n", "chmcmd compile", compile_s,
                compiled.status == CompileStatus::compiled ? "compiled" : "with errors",
                static_cast<long long>(QFileInfo(compiled.compiled_file).size() / 1000000));
    std::printf("%-40s %8.1f %%  (goal: under 10 %%)\n", "builder's share of the compile time", 100.0 * build_s / compile_s);
    return 0;
}
