// The scanner and validator over any page, in each of its modes; in cleanup mode the page is also laid
// out again by the formatter, and the layout of its tokens handed on in chunks of one to eight (as the
// command line's cleanup hands them to its second thread) must be the same. The first byte picks the mode,
// the document type and the chunk size.
#include "analyze/cleanup_formatter.h"
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
        const QString whole = cleanup.format(config, LineEnds::CrLf);
        // The pipe takes every chunk before the layout starts: one thread is enough.
        ResultList unused;
        TokenPipe pipe((pick >> 4) & 3);
        MarkupScanner scanner(fuzz::database(), unused, metas, AnalyzeMode::cleanup);
        scanner.collect_links = false;
        scanner.hand_tokens_to(&pipe);
        scanner.scan_text(page, page.size(), name);
        QString piped;
        format_piped_page(pipe, fuzz::database(), config, u"\r\n", [&piped](QStringView piece) { piped += piece; });
        if (piped != whole) __builtin_trap();
        break;
    }
    }
    return 0;
}
