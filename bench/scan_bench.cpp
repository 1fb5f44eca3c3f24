// Scanner throughput in MB/s: a large generated page, a site of a few thousand pages, a page on a single
// line and binary input; `tamsel check` and, when installed, `tidy -q -e` on the same input for comparison.
#include "analyze/markup_scanner.h"
#include "analyze/site_walk.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_reader.h"

#include "bench_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

using namespace tamsel;
using bench::run_seconds;

namespace {

// One screenful of an ordinary page of 2001: a table, text with entities, a form, a script.
QByteArray page_block(int n) {
    return QStringLiteral(
               "<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLPADDING=\"2\">\n"
               "<TR><TD ALIGN=\"left\"><A HREF=\"page%1.htm\">Item %1</A></TD><TD>&pound;%1.50</TD></TR>\n"
               "<TR><TD COLSPAN=\"2\"><IMG SRC=\"img/p%1.gif\" WIDTH=\"80\" HEIGHT=\"60\" ALT=\"Item %1\"></TD></TR>\n"
               "</TABLE>\n"
               "<P>Text about item %1 &mdash; with <B>bold</B>, <I>italic</I> and &copy; signs, AT&amp;T too.\n"
               "A second line of the same paragraph, long enough to look like real prose on a page.</P>\n"
               "<UL><LI>One<LI>Two &amp; three</UL>\n"
               "<FORM ACTION=\"buy.cgi\" METHOD=\"post\"><INPUT TYPE=\"hidden\" NAME=\"id\" VALUE=\"%1\">"
               "<INPUT TYPE=\"submit\" VALUE=\"Buy\"></FORM>\n"
               "<SCRIPT LANGUAGE=\"JavaScript\">\nfunction show%1(a) { if (a < 3) { return a > 1; } }\n</SCRIPT>\n")
        .arg(n)
        .toUtf8();
}

QByteArray page_of(int blocks, int first) {
    QByteArray page = "<HTML>\n<HEAD>\n<TITLE>Generated page</TITLE>\n</HEAD>\n<BODY BGCOLOR=\"#FFFFFF\">\n";
    for (int i = 0; i < blocks; ++i) page += page_block(first + i);
    return page + "</BODY>\n</HTML>\n";
}

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct Measure {
    double seconds = 0;
    int errors = 0;
};

// Scans the files in process, reading each from disk as the command does.
Measure scan_files(const TagDatabase& db, const QList<SiteFile>& files) {
    ResultList results;
    MetaSlots metas;
    MarkupScanner scanner(db, results, metas, AnalyzeMode::report);
    results.clear();
    QElapsedTimer t;
    t.start();
    for (const SiteFile& f : files) {
        scanner.script_file = f.script_file;
        if (f.scanned) scanner.scan_file(f.path);
    }
    results.sort_results();
    return {t.nsecsElapsed() / 1e9, results.error_count};
}

// tidy over many files, a few hundred file names per run.
double tidy_seconds(const QString& tidy, const QStringList& files) {
    double total = 0;
    for (qsizetype i = 0; i < files.size(); i += 400)
        total += run_seconds(tidy, QStringList{"-q", "-e"} + files.mid(i, 400));
    return total;
}

void report(const char* what, double mb, double seconds, const QString& tidy, double tidy_s) {
    std::printf("%-34s %8.1f MB  scanner %7.3f s %8.1f MB/s", what, mb, seconds, mb / seconds);
    if (!tidy.isEmpty()) std::printf("   tidy -q -e %7.3f s %8.1f MB/s", tidy_s, mb / tidy_s);
    std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const TagDatabase db = bench::shipped_database();
    if (db.db_fatal) return 1;
    const QString cli = qEnvironmentVariable("TAMSEL_CLI");
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    QTemporaryDir dir;
    std::printf("database: %d tags, %d attributes%s\n", db.tag_count(), db.attr_count(),
                tidy.isEmpty() ? "; tidy not installed (make bench installs it)" : "");

    // One large page.
    const QByteArray big = page_of(20000, 0);
    const QString big_path = dir.filePath("big.htm");
    write(big_path, big);
    const double big_mb = big.size() / 1e6;
    const Measure big_scan = scan_files(db, {{big_path, big.size(), false, true}});
    report("large page", big_mb, big_scan.seconds, tidy, tidy.isEmpty() ? 0 : run_seconds(tidy, {"-q", "-e", big_path}));

    // A site of 3000 pages in 30 folders.
    qint64 site_bytes = 0;
    for (int i = 0; i < 3000; ++i) {
        const QByteArray page = page_of(6, i * 6);
        site_bytes += page.size();
        write(dir.filePath(QStringLiteral("site/f%1/p%2.htm").arg(i % 30).arg(i)), page);
    }
    const QList<SiteFile> site = site_files(dir.filePath("site"));
    QStringList site_paths;
    for (const SiteFile& f : site) site_paths << f.path;
    const double site_mb = site_bytes / 1e6;
    const Measure site_scan = scan_files(db, site);
    report("site of 3000 pages (in process)", site_mb, site_scan.seconds, tidy, tidy.isEmpty() ? 0 : tidy_seconds(tidy, site_paths));
    if (!cli.isEmpty()) {
        const double cli_s = run_seconds(cli, {"check", "--data", qEnvironmentVariable("TAMSEL_DATA_DIR"), dir.filePath("site")});
        std::printf("%-34s %8.1f MB  tamsel check %7.3f s %8.1f MB/s\n", "site of 3000 pages (command)", site_mb, cli_s,
                    site_mb / cli_s);
    }

    // A page on a single line, at two sizes: the same MB/s shows linear time.
    for (const int blocks : {5000, 20000}) {
        QByteArray line = page_of(blocks, 0);
        line.replace('\n', ' ');
        const QString path = dir.filePath(QStringLiteral("line%1.htm").arg(blocks));
        write(path, line);
        const Measure m = scan_files(db, {{path, line.size(), false, true}});
        report(blocks == 5000 ? "single line, small" : "single line, large", line.size() / 1e6, m.seconds, tidy,
               tidy.isEmpty() ? 0 : run_seconds(tidy, {"-q", "-e", path}));
    }

    // Binary input.
    QByteArray binary(16 * 1000 * 1000, '\0');
    QRandomGenerator random(42);
    for (char& b : binary) b = static_cast<char>(random.bounded(256));
    const QString binary_path = dir.filePath("binary.htm");
    write(binary_path, binary);
    const Measure bin = scan_files(db, {{binary_path, binary.size(), false, true}});
    report("binary bytes", binary.size() / 1e6, bin.seconds, tidy, tidy.isEmpty() ? 0 : run_seconds(tidy, {"-q", "-e", binary_path}));
    return 0;
}
