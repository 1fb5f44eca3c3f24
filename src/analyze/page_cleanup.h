#pragma once
// Cleanup of one page from end to end: the scanner reads it in cleanup mode, files its problems into the
// result list and hands its text chunks, tags and script lines on; the formatter lays them out. Between
// the two the caller decides, from the problems, whether the page is formatted at all.
#include "analyze/markup_scanner.h"
#include "platform/text_codec.h"
#include "wizards/meta_reader.h"

#include <QString>

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

// What a cleanup makes of text whatever its problems (as with "Ignore Errors"), lines ended by CR LF.
QString clean_page(const QString& text, const QString& document, const TagDatabase& db, const ConfigTable& config);

}  // namespace tamsel
