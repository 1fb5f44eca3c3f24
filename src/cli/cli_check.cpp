#include "cli/cli_check.h"

#include "analyze/site_scan.h"
#include "core/progress_model.h"
#include "cli/cli_common.h"
#include "cli/problem_lines.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <unistd.h>
#include <vector>

namespace tamsel::cli {

const char* const check_help =
    "usage: tamsel check [--mode report|help] [--records] PATH...\n"
    "Checks pages and website folders and prints every problem as PATH:LINE: error|warning: MESSAGE [CODE].\n"
    "A file is checked as a document of its type; a folder is walked as the site scan walks it: its\n"
    "*.HTM* files (a folder's files before its sub-folders), then its *.JS and *.VBS files for links only.\n"
    "A PATH of - is one page read from standard input, named <stdin> in the output.\n"
    "  --mode report   the page checks (the default)\n"
    "  --mode help     also what a help project needs: title, keywords, description, no named frame targets\n"
    "  --records       print every entry of the result list (statistics, links, functions included) as\n"
    "                  tab-separated File, Line, Code, Text1, Text2, Sequence\n"
    "Exit status: 0 no errors (warnings allowed), 1 errors found, 2 bad usage or unreadable input.\n";

namespace {

struct CheckOptions {
    AnalyzeMode mode = AnalyzeMode::report;
    bool records = false;
    QStringList paths;
    QString error;
};

CheckOptions parse_check(const QStringList& args) {
    CheckOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--records")) {
            o.records = true;
        } else if (a == QLatin1String("--mode")) {
            const QString mode = args.value(++i);
            if (mode == QLatin1String("report")) o.mode = AnalyzeMode::report;
            else if (mode == QLatin1String("help")) o.mode = AnalyzeMode::help_check;
            else o.error = QStringLiteral("--mode takes report or help, not '%1'").arg(mode);
        } else if (a.startsWith(QLatin1String("--"))) {
            o.error = QStringLiteral("unknown option ") + a;
        } else {
            o.paths.append(a);
        }
    }
    if (o.paths.isEmpty() && o.error.isEmpty()) o.error = QStringLiteral("no PATH given");
    return o;
}

// A progress line on a terminal (the files done, and the file being read); only when standard error is one.
class TerminalProgress : public ProgressListener {
public:
    void progress_opened(int, const QString&, bool) override {}
    void progress_changed(int slot, int percent) override {
        if (percent_[slot] == percent) return;  // the model repeats 100 for every step past the end
        percent_[slot] = percent;
        err() << "\rtamsel check: files " << qMax(0, percent_[1]) << "%, file " << qMax(0, percent_[0]) << "%   "
              << Qt::flush;
    }
    void progress_closed() override { err() << "\r" << QString(40, QLatin1Char(' ')) << "\r" << Qt::flush; }

private:
    int percent_[2] = {-1, -1};
};

QString record(const ResultEntry& e) {
    return QStringList{e.file, QString::number(e.line), QString::number(e.code), e.text1, e.text2,
                       QString::number(e.sequence)}.join(QLatin1Char('\t'));
}

// The files named on the command line, folders walked; unreadable names are reported and flagged.
QList<SiteFile> gather(const QStringList& paths, bool* unreadable) {
    QList<SiteFile> files;
    for (const QString& p : paths) {
        const QFileInfo info(p);
        if (p == QLatin1String("-")) files.append({p, 0, false, true});
        else if (info.isDir() && info.isReadable()) files += site_files(p);
        else if (info.isFile() && info.isReadable()) files.append({p, info.size(), false, true});
        else {
            err() << cannot_read(p) << Qt::endl;
            *unreadable = true;
        }
    }
    return files;
}

}  // namespace

int run_check(const QStringList& args) {
    CommonOptions common;
    CheckOptions options;
    if (const auto ended = begin_command(args, "check", check_help, parse_check, common, options)) return *ended;
    CliContext context(common, Reads::database_only);
    if (!context.ok()) return exit_usage;
    Workspace& ws = context.ws();

    bool unreadable = false;
    const QList<SiteFile> files = gather(options.paths, &unreadable);
    TerminalProgress terminal;
    ProgressModel progress(isatty(STDERR_FILENO) ? &terminal : nullptr);
    progress.open_progress(QStringLiteral("Files"), 0, QStringLiteral("Project"), static_cast<int>(files.size()));

    // A page named "-" is read from standard input, once however often it is named.
    QString standard_input;
    if (options.paths.contains(QStringLiteral("-"))) standard_input = decode_document(read_standard_input()).text;
    // Links are results of their own: only --records shows them. A help check files a frame target it
    // finds beside a link as a problem, so it reads them always.
    const Links links = options.records || options.mode == AnalyzeMode::help_check ? Links::read : Links::left_out;
    ScannedFiles scanned_files = scan_files(files, ws.db, options.mode, progress, standard_input, stdin_name, links);
    ws.results = std::move(scanned_files.results);
    const std::vector<bool>& read = scanned_files.read;
    progress.close_progress();
    QHash<QString, QString> shown;  // full path -> the path as the user wrote it
    int scanned = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const SiteFile& f = files[i];
        if (!f.scanned) continue;
        shown.insert(tamsel::filed_name(f, stdin_name), f.path == QLatin1String("-") ? stdin_name : QDir::cleanPath(f.path));
        if (read[static_cast<std::size_t>(i)]) ++scanned;
        else {
            err() << cannot_read(f.path) << Qt::endl;
            unreadable = true;
        }
    }
    ws.results.sort_results();

    for (const ResultEntry& e : ws.results.entries()) {
        if (options.records) out() << record(e) << '\n';
        else if (e.line > 0) out() << problem_line(e, shown.value(e.file, e.file)) << '\n';
    }
    out().flush();
    err() << "tamsel check: " << scanned << (scanned == 1 ? " file, " : " files, ")
          << problem_counts(ws.results.error_count, ws.results.warning_count) << Qt::endl;
    if (unreadable) return exit_usage;
    return ws.results.error_count > 0 ? exit_problems : exit_done;
}

}  // namespace tamsel::cli
