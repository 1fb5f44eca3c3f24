#pragma once
// What the generator commands (table, csv, calendar) share: a document read from PAGE or a new empty one,
// the caret at --at POS, the generator run on it as the editor runs it, and the whole document written to
// -o OUT or standard output in the page's encoding and line ends (a new document: UTF-8, CR LF).
#include "cli/cli_common.h"
#include "wizards/page_structure.h"

#include <QHash>
#include <functional>

namespace tamsel::cli {

// The help lines of the options every generator takes.
extern const char* const generator_options_help;

struct GeneratorArgs {
    QStringList positionals;          // the command's own first, then PAGE when one is given
    QHash<QString, QString> options;  // the command's own options with a value ("--rows" -> "3")
    qsizetype at = 0;                 // --at POS
    QString output;                   // -o OUT; empty for standard output
    QString error;
};

// Reads -o, --at and the command's own valued options (own_options, such as "--rows"); everything else
// that does not begin with "-" is a positional.
GeneratorArgs parse_generator_args(const QStringList& args, const QStringList& own_options);

// The generator's work on the document; it returns the exit status (exit_done to have the document
// written). It may print messages; the document is written only on exit_done.
using Generate = std::function<int(PageEditor& page, Workspace& ws)>;

// Reads page ("" for a new empty HTML document, "-" for standard input), puts the caret at at, runs
// generate and writes the document. A position beyond the text is bad usage; one between the CR and
// the LF of a line end stands before the CR.
int generate_document(CliContext& context, const QString& page, qsizetype at, const QString& output,
                      const Generate& generate);

}  // namespace tamsel::cli
