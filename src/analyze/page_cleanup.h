#pragma once
// Cleanup of one page from end to end: the scanner reads it in cleanup mode, files its problems into the
// result list and hands its text chunks, tags and script lines on; the formatter lays them out. Between
// the two the caller decides, from the problems, whether the page is formatted at all.
#include "analyze/line_emitter.h"
#include "analyze/markup_scanner.h"
#include "analyze/token_pipe.h"
#include "platform/text_codec.h"
#include "wizards/meta_reader.h"

#include <QString>

#include <atomic>
#include <thread>

namespace tamsel {

class ConfigTable;
class ProgressModel;
class TagDatabase;

class PageCleanup {
public:
    PageCleanup(const TagDatabase& db, ResultList& results, MetaSlots& metas);

    // Empties the result list, scans text as the content of document (its type follows the name: a .JS,
    // .VBS or .CSS file is script or style from its first line) and sorts the results. With progress,
    // slot 0 advances by the length of each line plus 2; the caller sets its maximum.
    void scan_text(const QString& text, const QString& document, ProgressModel* progress = nullptr);
    // The same for the copy of document at path; false when it cannot be read (nothing is filed then).
    bool scan_file(const QString& copy, const QString& document, ProgressModel* progress = nullptr);

    // The page of the last scan laid out, its lines ended as ends says.
    QString format(const ConfigTable& config, LineEnds ends, ProgressModel* progress = nullptr) const;
    const TokenStream& tokens() const { return scanner_.tokens(); }

private:
    const TagDatabase& db_;
    ResultList& results_;
    MarkupScanner scanner_;
};

// The cleanup of a page on two cores: while this thread scans the page, filing its problems into the result
// list, a thread of its own lays out the tokens the scan has made so far. The caller, seeing the problems,
// takes the layout or leaves it; a layout nobody takes is stopped. The problems and the layout are those of
// PageCleanup, and the page's tokens are never held whole.
class ConcurrentCleanup {
public:
    ConcurrentCleanup(const TagDatabase& db, ResultList& results, MetaSlots& metas);
    ~ConcurrentCleanup();
    ConcurrentCleanup(const ConcurrentCleanup&) = delete;
    ConcurrentCleanup& operator=(const ConcurrentCleanup&) = delete;

    // Starts the layout of text with config and ends, then empties the result list, scans text as the
    // content of document and sorts the results. Once. With a sink, the layout goes to it as it is made
    // (on the layout's thread), in pieces that end where lines end.
    void run(const QString& text, const QString& document, const ConfigTable& config, LineEnds ends,
             LineSink sink = {});
    // The layout, when it is done; empty when it went to a sink.
    QString take_layout();

private:
    const TagDatabase& db_;
    ResultList& results_;
    MetaSlots& metas_;
    std::atomic<bool> stop_{false};
    TokenPipe pipe_{12, 16};  // chunks of 4,096 tokens; the scan waits while 16 wait
    std::thread layout_thread_;
    QString layout_;
};

// What a cleanup makes of text whatever its problems (as with "Ignore Errors"), lines ended by CR LF.
QString clean_page(const QString& text, const QString& document, const TagDatabase& db, const ConfigTable& config);

}  // namespace tamsel
