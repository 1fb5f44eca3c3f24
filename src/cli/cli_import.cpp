#include "cli/cli_import.h"

#include "cli/cli_generate.h"
#include "cli/problem_lines.h"
#include "import/import_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tamsel::cli {
namespace {

const char* const import_help_intro =
    "usage: tamsel import text|rtf FILE [PAGE] [--at POS] [-o OUT]\n"
    "Turns FILE into an HTML page as the editor's \"Import TEXT File\" and \"Import RTF File\" do, inserts it\n"
    "into PAGE at the caret (the page as it is otherwise: an import brings a page of its own) and writes the\n"
    "whole document; without PAGE the page alone, in UTF-8 with CR LF line ends.\n"
    "  text              FILE is read as UTF-8 (a byte-order mark dropped), or as Windows-1252 when it is\n"
    "                    not UTF-8. Each line that holds more than spaces becomes a line of the page followed\n"
    "                    by <BR>, its characters escaped (& as &amp;, < as &lt;, e acute as &eacute;, two\n"
    "                    spaces as a space and &nbsp;), under a style block that sets a fixed-width font;\n"
    "                    blank lines write nothing.\n"
    "  rtf               FILE is a Rich Text Format document: its fonts, sizes, colours, bold, italic and\n"
    "                    underline become <font>, <b>, <i> and <u>, paragraph alignment <div align=...>,\n"
    "                    paragraph and line breaks <br>, each table row a table of one row with its cells'\n"
    "                    widths in percent. Pictures, objects and other parts that hold no text of the\n"
    "                    document are left out.\n"
    "  FILE              the file to import; - reads standard input\n";

const char* const import_help_exit =
    "Exit status: 0 done, 1 FILE is no RTF document (it does not begin with {\\rtf), 2 bad usage or a file\n"
    "that cannot be read or written (nothing is written then).\n";

const QByteArray import_help =
    (QString::fromUtf8(import_help_intro) + QString::fromUtf8(generator_options_help) + QString::fromUtf8(import_help_exit)).toUtf8();

struct ImportArgs {
    ImportKind kind = ImportKind::text;
    QString file;
    QString page;  // empty for a new document
    qsizetype at = 0;
    QString output;
    QString error;
};

ImportArgs parse_import(const QStringList& args) {
    ImportArgs a;
    const GeneratorArgs g = parse_generator_args(args, {});
    a.error = g.error;
    a.output = g.output;
    a.at = g.at;
    if (a.error.isEmpty() && g.positionals.size() < 2) a.error = QStringLiteral("give the kind (text or rtf) and one FILE");
    if (a.error.isEmpty() && g.positionals.size() > 3) a.error = QStringLiteral("one PAGE only, not also '%1'").arg(g.positionals[3]);
    if (!a.error.isEmpty()) return a;
    a.page = g.positionals.value(2);
    if (g.positionals[0] == QLatin1String("rtf")) a.kind = ImportKind::rtf;
    else if (g.positionals[0] != QLatin1String("text")) a.error = QStringLiteral("the kind is text or rtf, not '%1'").arg(escaped_for_terminal(g.positionals[0]));
    a.file = g.positionals[1];
    if (a.page == QLatin1String("-") && a.file == QLatin1String("-")) a.error = QStringLiteral("FILE and PAGE cannot both be standard input");
    return a;
}

// The bytes of file ("-" for standard input), or nothing after a message.
std::optional<QByteArray> read_input(const QString& file) {
    if (file == QLatin1String("-")) return read_standard_input();
    QFile f(file);
    if (!QFileInfo(file).isFile() || !f.open(QIODevice::ReadOnly)) {
        err() << cannot_read(file) << Qt::endl;
        return std::nullopt;
    }
    return f.readAll();
}

}  // namespace

int run_import(const QStringList& args) {
    CommonOptions common;
    ImportArgs a;
    if (const auto ended = begin_command(args, "import", import_help.constData(), parse_import, common, a)) return *ended;
    std::optional<QByteArray> bytes = read_input(a.file);
    if (!bytes) return exit_usage;
    const QString shown = a.file == QLatin1String("-") ? stdin_name : QDir::cleanPath(a.file);
    QString error;
    std::optional<ImportInput> input = import_input(a.kind, std::move(*bytes), escaped_for_terminal(shown), error);
    if (!input) {
        err() << "tamsel import: " << error << Qt::endl;
        return exit_problems;
    }
    CliContext context(common);
    if (!context.ok()) return exit_usage;
    return generate_document(context, a.page, a.at, a.output, [&input](PageEditor& page, Workspace&) {
        const std::optional<QString> lines = import_page(*input);
        input.reset();
        pour_import_page(page, *lines);
        return int(exit_done);
    });
}

}  // namespace tamsel::cli
