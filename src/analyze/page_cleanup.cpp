#include "analyze/page_cleanup.h"

#include "analyze/cleanup_formatter.h"
#include "tagdb/tag_database.h"

namespace tamsel {

PageCleanup::PageCleanup(const TagDatabase& db, ResultList& results, MetaSlots& metas)
    : db_(db), results_(results), scanner_(db, results, metas, AnalyzeMode::cleanup) {
    scanner_.collect_links = false;  // a cleanup reports problems; the links are the site analysis's
}

void PageCleanup::scan_text(const QString& text, const QString& document, ProgressModel* progress) {
    results_.clear();
    scanner_.set_progress(progress);
    scanner_.scan_text(text, text.size(), document);
    results_.sort_results();
}

bool PageCleanup::scan_file(const QString& copy, const QString& document, ProgressModel* progress) {
    results_.clear();
    scanner_.set_progress(progress);
    const bool read = scanner_.scan_file(copy, document);
    results_.sort_results();
    return read;
}

QString PageCleanup::format(const ConfigTable& config, LineEnds ends, ProgressModel* progress) const {
    return format_page(scanner_.tokens(), db_, config, progress, line_end_text(ends));
}

ConcurrentCleanup::ConcurrentCleanup(const TagDatabase& db, ResultList& results, MetaSlots& metas)
    : db_(db), results_(results), metas_(metas) {}

ConcurrentCleanup::~ConcurrentCleanup() {
    stop_ = true;
    pipe_.cancel();
    if (layout_thread_.joinable()) layout_thread_.join();
}

void ConcurrentCleanup::run(const QString& text, const QString& document, const ConfigTable& config, LineEnds ends,
                            LineSink sink) {
    db_.prepare_for_readers();  // both threads read the database from here on
    layout_thread_ = std::thread([this, &config, ends, sink = std::move(sink)] {
        const QString line_end = line_end_text(ends);
        if (sink) {
            format_piped_page(pipe_, db_, config, line_end, sink, &stop_);
        } else {
            QString layout;
            format_piped_page(pipe_, db_, config, line_end, [&layout](QStringView piece) { layout.append(piece); }, &stop_);
            layout_ = std::move(layout);
        }
    });
    // The scan a cleanup makes, its tokens handed on to the layout a chunk at a time.
    results_.clear();
    MarkupScanner scanner(db_, results_, metas_, AnalyzeMode::cleanup);
    scanner.collect_links = false;
    scanner.hand_tokens_to(&pipe_);
    scanner.scan_text(text, text.size(), document);
    results_.sort_results();
}

QString ConcurrentCleanup::take_layout() {
    if (layout_thread_.joinable()) layout_thread_.join();
    return std::move(layout_);
}

QString clean_page(const QString& text, const QString& document, const TagDatabase& db, const ConfigTable& config) {
    ResultList results;
    MetaSlots metas;
    PageCleanup cleanup(db, results, metas);
    cleanup.scan_text(text, document);
    return cleanup.format(config, LineEnds::CrLf);
}

}  // namespace tamsel
