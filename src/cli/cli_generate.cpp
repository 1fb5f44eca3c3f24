#include "cli/cli_generate.h"

#include "cli/problem_lines.h"
#include "platform/memory_buffer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tamsel::cli {

const char* const generator_options_help =
    "  PAGE              the page to insert into (- reads standard input); without PAGE a new empty HTML\n"
    "                    document (UTF-8, CR LF)\n"
    "  --at POS          the caret: a character position of PAGE as read, from 0 (default 0); a CR LF\n"
    "                    counts two\n"
    "  -o OUT            write the whole document to OUT (may be PAGE itself) instead of standard output\n";

GeneratorArgs parse_generator_args(const QStringList& args, const QStringList& own_options) {
    GeneratorArgs g;
    for (qsizetype i = 0; i < args.size() && g.error.isEmpty(); ++i) {
        const QString& a = args[i];
        const bool valued = a == QLatin1String("-o") || a == QLatin1String("--at") || own_options.contains(a);
        if (valued && i + 1 >= args.size()) {
            g.error = a + QStringLiteral(" needs a value");
        } else if (a == QLatin1String("-o")) {
            g.output = args[++i];
        } else if (a == QLatin1String("--at")) {
            bool ok = false;
            g.at = args[++i].toLongLong(&ok);
            if (!ok || g.at < 0) g.error = QStringLiteral("--at takes a character position from 0, not '%1'").arg(args[i]);
        } else if (valued) {
            g.options.insert(a, args[++i]);
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            g.error = QStringLiteral("unknown option ") + a;
        } else {
            g.positionals.append(a);
        }
    }
    return g;
}

int generate_document(CliContext& context, const QString& page, qsizetype at, const QString& output,
                      const Generate& generate) {
    DecodedText doc;  // a new document: empty, UTF-8, CR LF
    QString shown = QStringLiteral("<new document>");
    if (page == QLatin1String("-")) {
        doc = decode_document(read_standard_input());
        shown = stdin_name;
    } else if (!page.isEmpty()) {
        QFile file(page);
        if (!QFileInfo(page).isFile() || !file.open(QIODevice::ReadOnly)) {
            err() << cannot_read(page) << Qt::endl;
            return exit_usage;
        }
        doc = decode_document(file.readAll());
        shown = QDir::cleanPath(page);
    }
    if (at > doc.text.size()) {
        err() << "tamsel: --at " << at << " is beyond the end of " << escaped_for_terminal(shown) << " ("
              << doc.text.size() << " characters)" << Qt::endl;
        return exit_usage;
    }
    // The caret never stands inside a line end.
    if (at > 0 && at < doc.text.size() && doc.text[at - 1] == u'\r' && doc.text[at] == u'\n') --at;

    MemoryBuffer buffer(doc.text);
    buffer.set_selection(at, 0);
    PageEditor editor{buffer, line_end_text(doc.line_ends)};
    if (const int status = generate(editor, context.ws()); status != exit_done) return status;
    const QString text = buffer.text();
    if (const QString refusal = unwritable_character(text, doc.encoding, shown); !refusal.isEmpty()) {
        err() << refusal << Qt::endl;
        return exit_usage;
    }
    return write_output(output, encode_document(text, doc.encoding)) ? exit_done : exit_usage;
}

}  // namespace tamsel::cli
