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
    if (layout_thread_.joinable()) layout_thread_.join();
}

void ConcurrentCleanup::run(const QString& text, const QString& document, const ConfigTable& config, LineEnds ends,
                            LineSink sink) {
    db_.prepare_for_readers();  // both threads read the database from here on
    layout_thread_ = std::thread([this, text, document, &config, ends, sink = std::move(sink)] {
        ResultList unused;
        MetaSlots metas;
        MarkupScanner tokens(db_, unused, metas, AnalyzeMode::cleanup);
        tokens.collect_links = false;
        tokens.checks = false;
        tokens.scan_text(text, text.size(), document);
        if (sink) format_page_to(tokens.tokens(), db_, config, line_end_text(ends), sink, &stop_);
        else layout_ = format_page(tokens.tokens(), db_, config, nullptr, line_end_text(ends), &stop_);
    });
    results_.clear();
    // The checks file what a cleanup scan files; only the tokens, made on the other thread, are left out.
    MarkupScanner checks(db_, results_, metas_, AnalyzeMode::report);
    checks.collect_links = false;
    checks.scan_text(text, text.size(), document);
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
