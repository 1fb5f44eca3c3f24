#include "analyze/page_cleanup.h"

#include "analyze/cleanup_formatter.h"

namespace tamsel {
namespace {

// The formatter ends its lines with CR LF.
QString with_line_ends(QString text, LineEnds ends) {
    if (ends != LineEnds::CrLf) text.replace(QStringLiteral("\r\n"), line_end_text(ends));
    return text;
}

}  // namespace

PageCleanup::PageCleanup(const TagDatabase& db, ResultList& results, MetaSlots& metas)
    : db_(db), results_(results), scanner_(db, results, metas, AnalyzeMode::cleanup) {}

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
    return with_line_ends(format_page(scanner_.tokens(), db_, config, progress), ends);
}

QString clean_page(const QString& text, const QString& document, const TagDatabase& db, const ConfigTable& config) {
    ResultList results;
    MetaSlots metas;
    PageCleanup cleanup(db, results, metas);
    cleanup.scan_text(text, document);
    return cleanup.format(config, LineEnds::CrLf);
}

}  // namespace tamsel
