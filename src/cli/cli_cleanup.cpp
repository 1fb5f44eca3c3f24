#include "cli/cli_cleanup.h"

#include "analyze/page_cleanup.h"
#include "cli/cli_common.h"
#include "cli/held_output.h"
#include "cli/problem_lines.h"
#include "platform/piece_encoder.h"
#include "platform/text_codec.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace tamsel::cli {

const char* const cleanup_help =
    "usage: tamsel cleanup FILE [-o OUT] [--ignore-errors]\n"
    "Checks the page FILE and lays it out again: one element a line where the tag database asks for it,\n"
    "indentation by nesting, tag names in upper case when tag_case is 1, lines wrapped at right_margin,\n"
    "scripts and style sheets laid out by language. FILE is read as a document of its type (.HTM, .HTML,\n"
    ".ASP pages; .JS, .VBS, .CSS files are script or style throughout). A FILE of - is an HTML page read\n"
    "from standard input, named <stdin> in the messages.\n"
    "The problems print on standard error as `tamsel check` prints them: PATH:LINE: error|warning: MESSAGE\n"
    "[CODE]. With errors and without --ignore-errors nothing is written. Otherwise the cleaned page goes to\n"
    "OUT (replaced as a whole, never half-written) or to standard output, in the encoding and line ends\n"
    "FILE came in. A page that came in Windows-1252 is written in it or not at all: when the cleaned page\n"
    "holds a character the code page lacks (an upper-cased tag name can make one), nothing is written and\n"
    "one line names the first, LINE counted in the cleaned page:\n"
    "PATH:LINE: the character U+XXXX cannot be written in Windows-1252; nothing written\n"
    "  -o OUT            write the cleaned page to OUT (may be FILE itself)\n"
    "  --ignore-errors   clean the page even when errors were found\n"
    "The layout follows the configuration of the user's settings; --set KEY=VALUE overrides a key for this\n"
    "run (--set tag_case=1 --set right_margin=100 --set level_indent=2).\n"
    "Exit status: 0 cleaned (warnings allowed), 1 errors found and nothing written, 2 bad usage, a file\n"
    "that cannot be read or written, or a cleaned page its encoding cannot hold.\n";

namespace {

// How much of the result is held in memory before it goes on to OUT, or to a temporary file where it waits
// for standard output.
constexpr qsizetype output_part_size = 1 << 20;

struct CleanupOptions {
    QString file;
    QString output;  // empty: standard output
    bool ignore_errors = false;
    QString error;
};

CleanupOptions parse_cleanup(const QStringList& args) {
    CleanupOptions o;
    for (qsizetype i = 0; i < args.size() && o.error.isEmpty(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--ignore-errors")) {
            o.ignore_errors = true;
        } else if (a == QLatin1String("-o")) {
            if (i + 1 >= args.size()) o.error = QStringLiteral("-o needs a file name");
            else o.output = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            o.error = QStringLiteral("unknown option ") + a;
        } else if (!o.file.isEmpty()) {
            o.error = QStringLiteral("one FILE only, not also '%1'").arg(a);
        } else {
            o.file = a;
        }
    }
    if (o.file.isEmpty() && o.error.isEmpty()) o.error = QStringLiteral("no FILE given");
    return o;
}

// The page FILE names, "-" for standard input. A file is decoded as it is read, so that it is never held as
// bytes and as characters at once.
std::optional<DecodedText> read_page(const QString& file) {
    if (file == QLatin1String("-")) return decode_document(read_standard_input());
    if (!QFileInfo(file).isFile()) return std::nullopt;
    qint64 size = 0;
    return read_document(file, &size);
}

}  // namespace

int run_cleanup(const QStringList& args) {
    CommonOptions common;
    CleanupOptions options;
    if (const auto ended = begin_command(args, "cleanup", cleanup_help, parse_cleanup, common, options)) return *ended;
    CliContext context(common);
    if (!context.ok()) return exit_usage;
    Workspace& ws = context.ws();

    const bool from_stdin = options.file == QLatin1String("-");
    std::optional<DecodedText> read = read_page(options.file);
    if (!read) {
        err() << cannot_read(options.file) << Qt::endl;
        return exit_usage;
    }
    DecodedText page = std::move(*read);
    const QString shown = from_stdin ? stdin_name : QDir::cleanPath(options.file);
    // The layout is encoded as it is made and goes on a part at a time: into a temporary file that replaces
    // OUT only at the end, or, for standard output, into one where it waits until the problems are known.
    // A large page's result is never held whole.
    std::optional<WholeFileWriter> out_file;
    if (!options.output.isEmpty()) out_file.emplace(options.output);
    HeldOutput held;
    PieceEncoder encoded(page.encoding);
    const auto sink = [&encoded, &out_file, &held](QStringView piece) {
        encoded.add(piece);
        if (encoded.pending_size() < output_part_size) return;
        if (out_file) out_file->write(encoded.take_part());
        else held.hold(encoded.take_part());
    };
    {
        // The page is laid out while it is checked; a refusal below stops the layout.
        ConcurrentCleanup cleanup(ws.db, ws.results, ws.metas);
        cleanup.run(page.text, from_stdin ? stdin_name : QDir::cleanPath(QFileInfo(options.file).absoluteFilePath()),
                    ws.config, page.line_ends, sink);
        for (const ResultEntry& e : ws.results.entries())
            if (e.line > 0) err() << problem_line(e, shown) << '\n';
        err() << "tamsel cleanup: " << problem_counts(ws.results.error_count, ws.results.warning_count) << Qt::endl;
        if (ws.results.error_count > 0 && !options.ignore_errors) {
            err() << "tamsel cleanup: nothing written; --ignore-errors cleans the page all the same" << Qt::endl;
            return exit_problems;
        }
        cleanup.take_layout();
    }
    // Upper-casing a tag name can turn a Windows-1252 letter into one outside the code page (µ into Greek
    // Mu); a '?' in its place would change the page behind the user's back.
    if (encoded.failed()) {
        err() << unwritable_message(shown, encoded.failed_line(), encoded.failed_code(), page.encoding) << Qt::endl;
        return exit_usage;
    }
    page = DecodedText();  // the page goes before its cleaned bytes are written
    if (!out_file) return held.release(encoded.take()) ? exit_done : exit_usage;
    if (out_file->write(encoded.take()) && out_file->commit()) return exit_done;
    report_cannot_write(options.output, out_file->error());
    return exit_usage;
}

}  // namespace tamsel::cli
