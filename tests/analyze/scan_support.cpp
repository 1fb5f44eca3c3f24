#include "scan_support.h"

#include "support/test_support.h"

#include <QTemporaryDir>
#include <QTest>

namespace tamsel::test {

QString scan_database_dir() {
    static QTemporaryDir dir;
    static const bool built = run_cli({"db", "build", fixture("scan_db"), dir.path()}).exit_code == 0;
    if (!built) qFatal("the test database of tests/data/scan_db does not build");
    return dir.path();
}

namespace {

TagDatabase loaded_from(const QString& dir) {
    TagDatabase loaded;
    loaded.load_database(dir);
    return loaded;
}

}  // namespace

const TagDatabase& scan_database() {
    static const TagDatabase db = loaded_from(scan_database_dir());
    return db;
}

const TagDatabase& shipped_database() {
    static const TagDatabase db = loaded_from(data_dir());
    return db;
}

ScanOutcome scan_page(const QString& page, AnalyzeMode mode, const QString& name) {
    ScanOutcome outcome;
    outcome.results.clear();
    MarkupScanner scanner(scan_database(), outcome.results, outcome.metas, mode);
    scanner.scan_text(page, page.toUtf8().size(), name);
    outcome.results.sort_results();
    outcome.tokens = scanner.tokens();
    return outcome;
}

QStringList problems(const ResultList& results) {
    QStringList out;
    for (const ResultEntry& e : results.entries())
        if (e.line > 0) out << QStringLiteral("%1 %2 %3|%4").arg(e.line).arg(e.code).arg(e.text1, e.text2);
    return out;
}

QStringList records(const ResultList& results, int kind) {
    QStringList out;
    for (const ResultEntry& e : results.entries())
        if (e.line == kind) out << e.text1 + QLatin1Char('|') + e.text2;
    return out;
}

}  // namespace tamsel::test
