// "Document Statistics" and "WebSite Statistics" write the report page and hand it to the browser; a
// cancelled folder choice writes nothing.
#include "session_fixture.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tamsel;

namespace {

QString report_path(test::SessionFixture& f) { return f.ws->paths.reports() + QStringLiteral("/statistics.html"); }

}  // namespace

class ReportCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void document_statistics_reports_the_page_under_its_own_name() {
        test::SessionFixture f;
        f.start();
        const QString page = f.doc(QStringLiteral("page.htm"), "<HTML><BODY>\n<A HREF=\"gone.htm\">x</A>\n<B>open\n</BODY></HTML>\n");
        QVERIFY(f.files().open_document(page, false));
        f.type(QStringLiteral("<I>"));  // the report reads the editor's text, not the file
        f.dispatch(QStringLiteral("id_Statistics_Document"));
        QCOMPARE(f.dialogs.opened, QStringList{report_path(f)});
        const QString report = QString::fromUtf8(test::read_bytes(report_path(f)));
        QVERIFY(report.contains(QStringLiteral("Current File Analysis Report")));
        QVERIFY(report.contains(QDir::cleanPath(page)));
        QVERIFY(report.contains(QStringLiteral("Missing")));
        QVERIFY(report.contains(QStringLiteral("Open &lt;I&gt; with no closing tag")));
    }

    void website_statistics_asks_for_the_folder() {
        test::SessionFixture f;
        f.start();
        f.dialogs.folders.push_back(std::nullopt);
        f.dispatch(QStringLiteral("id_Statistics_Website"));
        QVERIFY(!QFile::exists(report_path(f)));
        QVERIFY(f.dialogs.opened.isEmpty());

        f.dialogs.folders.push_back(test::fixture(QStringLiteral("report_site")));
        f.dispatch(QStringLiteral("id_Statistics_Website"));
        const QString report = QString::fromUtf8(test::read_bytes(report_path(f)));
        QVERIFY(report.contains(QStringLiteral("Project Analysis Report")));
        QVERIFY(report.contains(QStringLiteral("Notice : This is a STAND-ALONE Page")));
        QCOMPARE(f.dialogs.opened.size(), 1);
        QVERIFY(!f.ws->progress.is_open());
    }
};

TAMSEL_TEST(ReportCommandTest)
#include "report_command_test.moc"
