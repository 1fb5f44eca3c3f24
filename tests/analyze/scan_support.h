#pragma once
// What the scanner tests share: the small test database of tests/data/scan_db and a one-call scan.
#include "analyze/markup_scanner.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_reader.h"

#include <QStringList>

namespace tamsel::test {

// The database built from tests/data/scan_db, built once per test program.
const TagDatabase& scan_database();
// The folder holding its .DB files.
QString scan_database_dir();
// The database the program ships, loaded once per test program.
const TagDatabase& shipped_database();

struct ScanOutcome {
    ResultList results;
    MetaSlots metas;
    TokenStream tokens;
};

// Scans page as the file name (its type follows the name); results sorted.
ScanOutcome scan_page(const QString& page, AnalyzeMode mode = AnalyzeMode::report,
                      const QString& name = QStringLiteral("/site/page.htm"));

// The problems of a result list, one "LINE CODE TEXT1|TEXT2" a problem, in list order.
QStringList problems(const ResultList& results);
// The records of one kind: "TEXT1|TEXT2" each.
QStringList records(const ResultList& results, int kind);

}  // namespace tamsel::test
