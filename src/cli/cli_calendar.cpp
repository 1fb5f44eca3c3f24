#include "cli/cli_calendar.h"

#include "cli/cli_generate.h"
#include "wizards/calendar.h"

#include <string>

namespace tamsel::cli {
namespace {

const std::string calendar_help = std::string(
    "usage: tamsel calendar MM/YYYY [--size small|medium|large] [PAGE] [--at POS] [-o OUT]\n"
    "Inserts the calendar of a month as the \"Calendar Wizard\" does: the page gets what it lacks of\n"
    "HTML, HEAD, BODY and their end tags, the style block of the size goes into the head unless the page\n"
    "has it there already, and the table goes to the caret, moved into the body when it stands outside.\n"
    "The weeks run Sunday to Saturday, from the Sunday on or before the 1st to the first Saturday on or\n"
    "after the 1st of the next month; days of other months are blank cells.\n"
    "  MM/YYYY           the month: two digits, \"/\", four digits (03/2001)\n"
    "  --size SIZE       small (default): 320 pixels wide, style cal0 (14, 12 and 10 point);\n"
    "                    medium: 770 pixels, style cal2 (18, 16 and 14 point);\n"
    "                    large: 980 pixels with taller title and weekday rows (32 and 24 pixels),\n"
    "                    style cal1 (16, 14 and 12 point)\n") +
    generator_options_help +
    "Exit status: 0 written, 2 bad usage (a month that is not MM/YYYY, an unknown size, POS beyond the\n"
    "text) or a file that cannot be read or written; nothing is written then.\n";

struct CalendarOptions {
    GeneratorArgs generator;
    QString month;
    CalendarSize size = CalendarSize::small;
    QString page;
    QString error;
};

CalendarOptions parse_calendar(const QStringList& args) {
    CalendarOptions o;
    o.generator = parse_generator_args(args, {QStringLiteral("--size")});
    const QStringList& positionals = o.generator.positionals;
    if (!o.generator.error.isEmpty()) {
        o.error = o.generator.error;
    } else if (positionals.isEmpty()) {
        o.error = QStringLiteral("no MM/YYYY given");
    } else if (positionals.size() > 2) {
        o.error = QStringLiteral("one PAGE only, not also '%1'").arg(positionals[2]);
    } else if (!parse_month_text(positionals[0])) {
        o.error = QStringLiteral("the month is MM/YYYY (two digits, \"/\", four digits, month 01 to 12), not '%1'").arg(positionals[0]);
    } else {
        o.month = positionals[0];
        o.page = positionals.value(1);
        const QString size = o.generator.options.value(QStringLiteral("--size"), QStringLiteral("small"));
        if (const std::optional<CalendarSize> named = calendar_size_named(size)) o.size = *named;
        else o.error = QStringLiteral("--size is small, medium or large, not '%1'").arg(size);
    }
    return o;
}

}  // namespace

int run_calendar(const QStringList& args) {
    CommonOptions common;
    CalendarOptions options;
    if (const auto ended = begin_command(args, "calendar", calendar_help.c_str(), parse_calendar, common, options)) return *ended;
    CliContext context(common);
    if (!context.ok()) return exit_usage;
    return generate_document(context, options.page, options.generator.at, options.generator.output,
                             [&options](PageEditor& page, Workspace&) {
                                 create_calendar(page, options.size, options.month);
                                 return int{exit_done};
                             });
}

}  // namespace tamsel::cli
