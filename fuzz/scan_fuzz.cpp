// The scanner and validator over any page, in each of its modes; in cleanup mode the page is also laid
// out again by the formatter, and the token stream made without the checks must be the same (the two-thread
// cleanup of the command line lays out that one). The first byte picks the mode and the document type.
#include "analyze/markup_scanner.h"
#include "analyze/page_cleanup.h"
#include "settings/config_table.h"
#include "wizards/meta_reader.h"

#include "fuzz_support.h"

using namespace tamsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const QString names[] = {QStringLiteral("/f/page.htm"), QStringLiteral("/f/code.js"), QStringLiteral("/f/code.vbs"),
                                    QStringLiteral("/f/style.css")};
    const uint8_t pick = data[0];
    const QString page = fuzz::page_of(data + 1, size - 1);
    const QString& name = names[(pick >> 2) % 4];
    ResultList results;
    MetaSlots metas;
    switch (pick % 3) {
    case 0:
    case 1: {
        MarkupScanner scanner(fuzz::database(), results, metas, pick % 3 == 0 ? AnalyzeMode::report : AnalyzeMode::help_check);
        scanner.scan_text(page, page.size(), name);
        results.sort_results();
        break;
    }
    default: {
        static const ConfigTable config;
        PageCleanup cleanup(fuzz::database(), results, metas);
        cleanup.scan_text(page, name);
        (void)cleanup.format(config, (pick & 0x40) ? LineEnds::Lf : LineEnds::CrLf);
        ResultList unused;
        MarkupScanner tokens(fuzz::database(), unused, metas, AnalyzeMode::cleanup);
        tokens.collect_links = false;
        tokens.checks = false;
        tokens.scan_text(page, page.size(), name);
        if (tokens.tokens().spans != cleanup.tokens().spans ||
            tokens.tokens().line_texts() != cleanup.tokens().line_texts())
            __builtin_trap();
        break;
    }
    }
    return 0;
}
