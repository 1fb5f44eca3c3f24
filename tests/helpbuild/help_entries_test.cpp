// The help entries of a scan: which links become files of the project, which are left out and why, which
// keyword and contents records are dropped, and the order the files are written in.
#include "analyze/page_links.h"
#include "helpbuild/help_entries.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

// A site folder inside a scratch folder, so that a file can lie beside it, outside the site.
struct Site {
    QTemporaryDir root;
    QString folder = root.filePath("site");
    QString page = folder + "/page.htm";

    Site() {
        for (const char* name : {"site/page.htm", "site/a.png", "site/b.gif", "site/c.JPG", "site/d.BMP", "site/sub/e.htm", "outside.htm"}) {
            QDir().mkpath(QFileInfo(root.filePath(name)).path());
            test::write_bytes(root.filePath(name), "x");
        }
    }
    // The record the scanner files for a link written in the page.
    ResultEntry link(const QString& written) const { return {page, record_link, 2, resolve_link(page, written), {}, 1}; }
    HelpEntries entries(const QList<ResultEntry>& records) const { return help_entries(records, HelpLayout(folder)); }
};

HelpEntry file_entry(const QString& path) { return {help_file, path, {}, {}}; }

}  // namespace

class HelpEntriesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void links_become_files_of_the_help_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("listed");  // the project's name for it, or empty
        QTest::addColumn<QString>("left_out");  // why it cannot be in the help, or empty
        QTest::newRow("a page below") << "sub/e.htm" << "HELPFILE.site/sub/e.htm" << "";
        QTest::newRow("its fragment is cut") << "sub/e.htm#part" << "HELPFILE.site/sub/e.htm" << "";
        QTest::newRow("its query is cut") << "sub/e.htm?x=1#y" << "HELPFILE.site/sub/e.htm" << "";
        QTest::newRow("pictures of every kind") << "a.png" << "HELPFILE.site/a.png" << "";
        QTest::newRow("a gif") << "b.gif" << "HELPFILE.site/b.gif" << "";
        QTest::newRow("letter case kept") << "c.JPG" << "HELPFILE.site/c.JPG" << "";
        QTest::newRow("a link out of the site and back") << "../site/d.BMP" << "HELPFILE.site/d.BMP" << "";
        QTest::newRow("http") << "http://example.com/a.htm" << "" << "";
        QTest::newRow("https in capitals") << "HTTPS://example.com/" << "" << "";
        QTest::newRow("mailto") << "mailto:a@example.com" << "" << "";
        QTest::newRow("javascript") << "javascript:history.back()" << "" << "";
        QTest::newRow("data") << "data:text/plain,x" << "" << "";
        QTest::newRow("ftp") << "ftp://example.com/x.zip" << "" << "";
        QTest::newRow("without a scheme but a host") << "//example.com/a.htm" << "" << "";
        QTest::newRow("a missing file") << "gone.htm" << "" << "no such file";
        QTest::newRow("a missing picture") << "gone.gif" << "" << "no such file";
        QTest::newRow("a file beside the site") << "../outside.htm" << "" << "outside the website folder";
    }
    void links_become_files_of_the_help() {
        QFETCH(QString, written);
        QFETCH(QString, listed);
        QFETCH(QString, left_out);
        const Site site;
        const HelpEntries help = site.entries({site.link(written)});
        QCOMPARE(help.entries, listed.isEmpty() ? QList<HelpEntry>{} : QList<HelpEntry>{file_entry(listed)});
        QCOMPARE(help.left_out.size(), left_out.isEmpty() ? 0 : 1);
        if (!left_out.isEmpty()) QCOMPARE(help.left_out[0].reason, left_out);
    }

    void the_copy_holds_the_scanned_files_and_the_pictures_they_link_to() {
        const Site site;
        const HelpEntries help = site.entries({{site.page, record_file_size, 0, "1", "1", 1}, site.link("b.gif"),
                                               site.link("a.png#x"), site.link("a.png"), site.link("http://x.org/"),
                                               site.link("../outside.htm")});
        QCOMPARE(help.copied, (QStringList{site.page, site.folder + "/b.gif", site.folder + "/a.png"}));
    }

    void blank_keywords_and_starred_pages_are_dropped() {
        const Site site;
        const auto record = [&site](int kind, const QString& text1, const QString& text2) {
            return ResultEntry{site.page, kind, 2, text1, text2, 1};
        };
        const HelpEntries help = site.entries({record(record_help_keyword, "  ", "TITLE"), record(record_help_keyword, "KEPT", "*"),
                                               record(record_help_description, "*", "TITLE"),
                                               record(record_help_description, "GROUP", "*"),
                                               record(record_help_description, "GROUP", "TITLE")});
        QCOMPARE(help.entries, (QList<HelpEntry>{{help_contents, "GROUP", "TITLE", "HELPFILE.site/page.htm"},
                                                 {help_keyword, "KEPT", "*", "HELPFILE.site/page.htm"}}));
    }

    void entries_sort_by_kind_then_padded_texts_then_page() {
        const QString long_a = QString(50, QLatin1Char('K')) + QStringLiteral("A");
        const QString long_b = QString(50, QLatin1Char('K')) + QStringLiteral("B");
        QList<HelpEntry> entries = {
            {help_keyword, long_b, "T1", "p1"}, {help_keyword, long_a, "T2", "p2"}, {help_keyword, long_b, "T3", "p3"},
            {help_keyword, "AB!", "T", "p"},    {help_keyword, "AB", "T", "p"},     {help_contents, "G", "T", "p"},
            {help_file, "b", {}, {}},           {help_contents, "G", "T", "a"},     {help_file, "a", {}, {}},
        };
        std::stable_sort(entries.begin(), entries.end(), help_entry_less);
        QCOMPARE(entries, (QList<HelpEntry>{
                              {help_file, "a", {}, {}},           {help_file, "b", {}, {}},
                              {help_contents, "G", "T", "a"},     {help_contents, "G", "T", "p"},
                              {help_keyword, "AB", "T", "p"},     {help_keyword, "AB!", "T", "p"},
                              // A keyword longer than 50 characters stays one group.
                              {help_keyword, long_a, "T2", "p2"}, {help_keyword, long_b, "T1", "p1"},
                              {help_keyword, long_b, "T3", "p3"},
                          }));
    }
};

TAMSEL_TEST(HelpEntriesTest)
#include "help_entries_test.moc"
