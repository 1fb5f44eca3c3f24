#include "cli/cli_table.h"

#include "cli/cli_generate.h"
#include "cli/problem_lines.h"
#include "wizards/csv_reader.h"
#include "wizards/table_generator.h"

namespace tamsel::cli {
namespace {

// The wizard settings both tables are made with.
const char* const table_settings_help =
    "The table is made with the table wizard's saved settings; --set KEY=VALUE overrides one for this run:\n"
    "  CSV_CStyle0       style ID of the top row: id=\"...\" on its <tr>, and then none on its cells\n"
    "  CSV_CStyle1       style ID of the cells of the first column\n"
    "  CSV_CStyle2       style ID of the other cells\n"
    "  CSV_TopCenter     1 centres the top row (<tr align=center>), 0 does not (default 1)\n"
    "  CSV_Table0        cellpadding (default 0)\n"
    "  CSV_Table1        cellspacing (default 0)\n"
    "  CSV_Table2        border (default 1)\n"
    "  CSV_Table         1 gives the table the width below, 0 none (default 1)\n"
    "  CSV_Width         the width; 0 writes none (default 100)\n"
    "  CSV_Unit          0 pixels, 1 percent of the page, at most 100 (default 1)\n";

const char* const table_help_intro =
    "usage: tamsel table --rows R --cols C [PAGE] [--at POS] [-o OUT]\n"
    "Pours an empty table of R rows and C columns, \"&nbsp;\" in every cell, into the body of PAGE as the\n"
    "editor's \"Basic HTML Table\" does: the HTML, HEAD and BODY tags the page lacks are added, the caret\n"
    "moves into the body when it stands outside it, the table goes in at the caret with the page's line\n"
    "ends, and the rest of the page stays as it was.\n"
    "  --rows R, --cols C  whole numbers from 0 to 999\n";

const char* const csv_help_intro =
    "usage: tamsel csv CSVFILE [PAGE] [--at POS] [-o OUT]\n"
    "Pours the data of CSVFILE as a table into the body of PAGE as the editor's \"Import Comma Delimited\n"
    "File (CSV)\" does. CSVFILE is read as UTF-8 (a byte-order mark dropped), or as Windows-1252 when it is\n"
    "not UTF-8. A record is a row: fields are separated by commas or tabs; a field in double quotes may hold\n"
    "commas, tabs and line breaks, and \"\" inside it is one quote. Fields lose their surrounding spaces\n"
    "(the last of a record keeps them); an empty field shows \"&nbsp;\"; a number (an optional sign, digits,\n"
    "at most one decimal point) outside quotes is aligned right; rows shorter than the widest are filled\n"
    "with empty cells; \"&\", \"<\" and \">\" of the data are written as \"&amp;\", \"&lt;\" and \"&gt;\".\n";

const char* const csv_settings_help =
    "  CSV_NStyle0       style ID of numeric cells below zero\n"
    "  CSV_NStyle1       style ID of numeric cells equal to zero\n"
    "  CSV_NStyle2       style ID of numeric cells above zero\n"
    "  (CSV_Table 0 lets the table fit its data.) A numeric cell takes its style over the text cells'\n"
    "  style, a first cell the first column's over both.\n";

const char* const exit_help =
    "Exit status: 0 done, 2 bad usage or a file that cannot be read or written (nothing is written then).\n";

const QString table_help = QString::fromUtf8(table_help_intro) + QString::fromUtf8(generator_options_help) +
                           QString::fromUtf8(table_settings_help) + QString::fromUtf8(exit_help);
const QString csv_help = QString::fromUtf8(csv_help_intro) + QString::fromUtf8(generator_options_help) +
                         QString::fromUtf8(table_settings_help) + QString::fromUtf8(csv_settings_help) +
                         QString::fromUtf8(exit_help);

// The number of option name, which must be a whole number from 0 to max_table_side.
QString side_error(const GeneratorArgs& g, const QString& name) {
    if (!g.options.contains(name)) return name + QStringLiteral(" is required");
    bool ok = false;
    const int n = g.options.value(name).toInt(&ok);
    if (ok && n >= 0 && n <= max_table_side) return {};
    return QStringLiteral("%1 takes a whole number from 0 to %2, not '%3'").arg(name).arg(max_table_side).arg(escaped_for_terminal(g.options.value(name)));
}

GeneratorArgs parse_table(const QStringList& args) {
    GeneratorArgs g = parse_generator_args(args, {QStringLiteral("--rows"), QStringLiteral("--cols")});
    if (g.error.isEmpty()) g.error = side_error(g, QStringLiteral("--rows"));
    if (g.error.isEmpty()) g.error = side_error(g, QStringLiteral("--cols"));
    if (g.error.isEmpty() && g.positionals.size() > 1) g.error = QStringLiteral("one PAGE only, not also '%1'").arg(g.positionals[1]);
    return g;
}

GeneratorArgs parse_csv(const QStringList& args) {
    GeneratorArgs g = parse_generator_args(args, {});
    if (g.error.isEmpty() && g.positionals.isEmpty()) g.error = QStringLiteral("no CSVFILE given");
    if (g.error.isEmpty() && g.positionals.size() > 2) g.error = QStringLiteral("one PAGE only, not also '%1'").arg(g.positionals[2]);
    return g;
}

}  // namespace

int run_table(const QStringList& args) {
    CommonOptions common;
    GeneratorArgs g;
    const QByteArray help = table_help.toUtf8();
    if (const auto ended = begin_command(args, "table", help.constData(), parse_table, common, g)) return *ended;
    CliContext context(common);
    if (!context.ok()) return exit_usage;
    return generate_document(context, g.positionals.value(0), g.at, g.output, [&g](PageEditor& page, Workspace& ws) {
        TableFields fields = load_table_fields(ws.store);
        fields.rows = g.options.value(QStringLiteral("--rows"));
        fields.columns = g.options.value(QStringLiteral("--cols"));
        close_table(page, basic_table(fields));
        return int(exit_done);
    });
}

int run_csv(const QStringList& args) {
    CommonOptions common;
    GeneratorArgs g;
    const QByteArray help = csv_help.toUtf8();
    if (const auto ended = begin_command(args, "csv", help.constData(), parse_csv, common, g)) return *ended;
    const QString csv_file = g.positionals[0];
    std::optional<DecodedText> data = read_csv_file(csv_file);
    if (!data) {
        err() << cannot_read(csv_file) << Qt::endl;
        return exit_usage;
    }
    CliContext context(common);
    if (!context.ok()) return exit_usage;
    return generate_document(context, g.positionals.value(1), g.at, g.output, [&data](PageEditor& page, Workspace& ws) {
        const QString lines = csv_table(data->text, load_table_fields(ws.store));
        data.reset();
        close_table(page, lines);
        return int(exit_done);
    });
}

}  // namespace tamsel::cli
