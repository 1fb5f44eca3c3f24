// Cleanup throughput in MB/s on a large generated page of tables, text, forms, lists, comments, scripts and
// style sheets: the scan in cleanup mode, the formatter, both together in process, and `tamsel cleanup` as a
// command; `tidy -q -i` (when installed) on the same file for comparison. Given files, it times each step of
// a cleanup over them instead (read and decode, scan, format, encode), as `tamsel cleanup` takes them.
#include "analyze/page_cleanup.h"
#include "platform/text_codec.h"
#include "settings/config_table.h"
#include "tagdb/tag_database.h"

#include "bench_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

using namespace tamsel;
using bench::run_seconds;

namespace {

QString page_block(int n) {
    return QStringLiteral(
               "<!-- offer %1: don't change the > signs in here -->\n"
               "<TABLE border=\"0\" width=\"100%\"><TR><TD class=\"a b\">Cell %1 of row 1</TD><TD>&pound;&nbsp;%1.50</TD></TR>\n"
               "<TR><TD colspan=2><IMG SRC=\"img/p%1.gif\" WIDTH=\"80\" HEIGHT=\"60\" ALT=\"Item %1\"> Item %1</TD></TR></TABLE>\n"
               "<P>A paragraph of ordinary text that runs well beyond the right margin, so that the formatter has to cut\n"
               "it at a blank outside quotes, number %1, with <B>bold</B>, H<SUB>2</SUB>O and <A HREF=\"p%1.htm\">a link</A>.\n"
               "<UL><LI>One<LI>Two &amp; three</UL>\n"
               "<FORM ACTION=\"buy.cgi\" METHOD=\"post\"><INPUT TYPE=\"hidden\" NAME=\"id\" VALUE=\"%1\"> "
               "<INPUT TYPE=\"submit\" VALUE=\"Buy\"></FORM>\n"
               "<PRE>\n  Code   Price\n  %1     1.50\n</PRE>\n"
               "<SCRIPT language=\"JavaScript\">\n"
               "function f%1(a) { if (a > 1) { return { v: a / 2, s: \"{x}\" }; } return /[{}]/.test(a); }\n"
               "var t = `line {%1}`; // done {\n"
               "</SCRIPT>\n"
               "<SCRIPT language=\"VBScript\">\n"
               "Sub Show%1( x )\n"
               "If x = 1 Then MsgBox \"one , two\" , 48 ' note\n"
               "End Sub\n"
               "</SCRIPT>\n")
        .arg(n);
}

QString page_of(int blocks) {
    QString page = QStringLiteral("<HTML>\n<HEAD>\n<TITLE>Generated page</TITLE>\n<STYLE>\n<!--\n"
                                  "p { color: red; margin: 0 auto; } td.a{padding:2px 4px; /* cell */ }\n"
                                  "-->\n</STYLE>\n</HEAD>\n<BODY bgcolor=\"#FFFFFF\">\n");
    for (int i = 0; i < blocks; ++i) page += page_block(i);
    return page + QStringLiteral("</BODY>\n</HTML>\n");
}

void report(const char* what, double mb, double seconds) {
    std::printf("%-40s %6.1f MB %8.3f s %8.1f MB/s\n", what, mb, seconds, mb / seconds);
}

// The steps of a cleanup over real pages, summed over all of them: one thread's scan and layout as the
// editor runs them, a check's scan for comparison, and the command line's cleanup, which lays out the
// page on a second thread while it is scanned.
struct PageTimes {
    double read = 0, scan = 0, format = 0, encode = 0, checks = 0, two_threads = 0;
};

double seconds_of(const std::function<void()>& step) {
    QElapsedTimer t;
    t.start();
    step();
    return t.nsecsElapsed() / 1e9;
}

void time_page(const TagDatabase& db, const ConfigTable& config, const QString& path, const QByteArray& raw, PageTimes& times) {
    DecodedText page;
    times.read += seconds_of([&] { page = decode_document(raw); });
    ResultList results;
    MetaSlots metas;
    PageCleanup cleanup(db, results, metas);
    times.scan += seconds_of([&] { cleanup.scan_text(page.text, path); });
    QString cleaned;
    times.format += seconds_of([&] { cleaned = cleanup.format(config, page.line_ends); });
    times.encode += seconds_of([&] {
        if (first_unencodable(cleaned, page.encoding) < 0) encode_document(cleaned, page.encoding);
    });
    MarkupScanner checks(db, results, metas, AnalyzeMode::report);
    checks.collect_links = false;
    times.checks += seconds_of([&] { checks.scan_text(page.text, page.text.size(), path); });
    times.two_threads += seconds_of([&] {
        ConcurrentCleanup both(db, results, metas);
        both.run(page.text, path, config, page.line_ends);
        cleaned = both.take_layout();
    });
}

int time_pages(const TagDatabase& db, const ConfigTable& config, const QStringList& paths) {
    PageTimes times;
    qint64 bytes = 0;
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray raw = file.readAll();
        bytes += raw.size();
        time_page(db, config, path, raw, times);
    }
    const double mb = bytes / 1e6;
    std::printf("%lld pages\n", static_cast<long long>(paths.size()));
    report("read and decode", mb, times.read);
    report("scan in cleanup mode", mb, times.scan);
    report("formatter", mb, times.format);
    report("check and encode the result", mb, times.encode);
    report("one thread, all steps", mb, times.read + times.scan + times.format + times.encode);
    report("  a check's scan, no tokens", mb, times.checks);
    report("two threads, scan beside layout", mb, times.two_threads);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const TagDatabase db = bench::shipped_database();
    if (db.db_fatal) return 1;
    ConfigTable config;
    config.set_value(tag_case, QStringLiteral("1"));
    if (const QStringList files = app.arguments().mid(1); !files.isEmpty()) return time_pages(db, config, files);
    const QString page = page_of(12000);
    const QByteArray bytes = page.toUtf8();
    const double mb = bytes.size() / 1e6;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.htm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return 1;
    file.close();

    ResultList results;
    MetaSlots metas;
    PageCleanup cleanup(db, results, metas);
    QElapsedTimer t;
    t.start();
    cleanup.scan_text(page, path);
    const double scan_s = t.nsecsElapsed() / 1e9;
    t.restart();
    const qsizetype out_size = cleanup.format(config, LineEnds::Lf).size();
    const double format_s = t.nsecsElapsed() / 1e9;
    std::printf("page: %lld token lines, %d errors, %lld characters out\n", static_cast<long long>(cleanup.tokens().size()),
                results.error_count, static_cast<long long>(out_size));
    report("scan in cleanup mode", mb, scan_s);
    report("formatter", mb, format_s);
    report("cleanup, scan + formatter (in process)", mb, scan_s + format_s);

    const QString cli = qEnvironmentVariable("TAMSEL_CLI");
    if (!cli.isEmpty())
        report("tamsel cleanup (command, whole run)", mb,
               run_seconds(cli, {"cleanup", "--data", qEnvironmentVariable("TAMSEL_DATA_DIR"), "--ignore-errors", "--set",
                                 "tag_case=1", path, "-o", dir.filePath(QStringLiteral("out.htm"))}));
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    if (tidy.isEmpty()) std::printf("tidy is not installed (make bench installs it)\n");
    else report("tidy -q -i (same page)", mb, run_seconds(tidy, {"-q", "-i", path}));
    return 0;
}
