#include "analyze/page_cleanup.h"

#include "analyze/cleanup_formatter.h"

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

QString clean_page(const QString& text, const QString& document, const TagDatabase& db, const ConfigTable& config) {
    ResultList results;
    MetaSlots metas;
    PageCleanup cleanup(db, results, metas);
    cleanup.scan_text(text, document);
    return cleanup.format(config, LineEnds::CrLf);
}

}  // namespace tamsel
