// The analysis report: golden pages for a small site and for one file of it, the number formats of the
// summary, and pages that try to put markup into the report.
#include "analyze/report_summary.h"
#include "analyze/site_report.h"
#include "analyze/site_scan.h"
#include "core/progress_model.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/tag_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

const QString icons = QStringLiteral("/icons");

QList<ResultEntry> scanned(const QString& path) {
    static const TagDatabase db = [] {
        TagDatabase loaded;
        loaded.load_database(test::data_dir());
        return loaded;
    }();
    const QFileInfo info(path);
    const QList<SiteFile> files = info.isDir() ? site_files(path) : QList<SiteFile>{{path, info.size(), false, true}};
    ProgressModel quiet;
    return scan_files(files, db, AnalyzeMode::report, quiet).results.entries();
}

}  // namespace

class SiteReportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reports_match_their_golden_pages_data() {
        QTest::addColumn<QString>("scanned_path");
        QTest::addColumn<bool>("site");
        QTest::newRow("site") << "" << true;
        QTest::newRow("current_file") << "index.htm" << false;
    }
    void reports_match_their_golden_pages() {
        QFETCH(QString, scanned_path);
        QFETCH(bool, site);
        const QString root = QDir::cleanPath(test::fixture(QStringLiteral("report_site")));
        const QString path = scanned_path.isEmpty() ? root : root + u'/' + scanned_path;
        QString page = analysis_report(scanned(path), {site, QStringLiteral("SITE"), icons});
        page.replace(root, QStringLiteral("SITE"));
        const QString base = test::source_dir() + QStringLiteral("/tests/golden/report/") + QTest::currentDataTag();
        const QString expected = QString::fromUtf8(test::read_bytes(base + QStringLiteral(".expected")));
        if (page != expected) test::write_bytes(base + QStringLiteral(".actual"), page.toUtf8());
        else QFile::remove(base + QStringLiteral(".actual"));
        QVERIFY2(page == expected, qPrintable(base + QStringLiteral(".actual differs")));
    }

    void summary_numbers_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("share");
        QTest::newRow("nothing") << qint64(0) << qint64(10) << "None" << "&nbsp;";
        QTest::newRow("one digit before the point: three blanks") << qint64(1) << qint64(8) << "1" << "12.50%&nbsp;&nbsp;";
        QTest::newRow("everything: one blank") << qint64(1234567) << qint64(1234567) << "1,234,567" << "100.00%&nbsp;";
        QTest::newRow("a sliver") << qint64(1) << qint64(1000000) << "1" << "0.00%&nbsp;&nbsp;&nbsp;";
    }
    void summary_numbers() {
        QFETCH(qint64, bytes);
        QFETCH(qint64, total);
        QFETCH(QString, count);
        QFETCH(QString, share);
        QCOMPARE(count_text(bytes), count);
        QCOMPARE(share_text(bytes, total), share);
    }

    void nothing_from_a_page_becomes_markup() {
        QTemporaryDir dir;
        const QString hostile = dir.filePath(QStringLiteral("<b>bold&amp;.htm"));
        QVERIFY(test::write_bytes(hostile,
                                  "<HTML><HEAD><TITLE>x</TITLE>\n<SCRIPT>\nfunction a<img>(x) {}\n</SCRIPT></HEAD><BODY>\n"
                                  "<A HREF=\"a&b.htm\">x</A>\n<A HREF=\"javascript:alert('<script>')\">y</A>\n<FONT FACE=\"<i>\">\n</BODY></HTML>\n"));
        const QString page = analysis_report(scanned(dir.path()), {true, QStringLiteral("<site>"), icons});
        for (const char* raw : {"<b>bold", "<script>", "<i>", "<img>", "<site>"})
            QVERIFY2(!page.contains(QLatin1String(raw), Qt::CaseInsensitive), raw);
        QVERIFY(page.contains(QStringLiteral("&lt;b&gt;bold&amp;amp;.htm")));
        QVERIFY(page.contains(QStringLiteral("/a&amp;b.htm")));
        QVERIFY(!page.contains(QStringLiteral("/a&b.htm")));
    }
};

TAMSEL_TEST(SiteReportTest)
#include "site_report_test.moc"
