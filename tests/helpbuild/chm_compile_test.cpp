// A real compile with chmcmd: every page, picture and style sheet of the help site is inside the compiled
// file as it is on disk, and every page the contents and index name is there; the help files the build
// made for the Help menu hold their pages.
#include "helpbuild/helpbuild_support.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QStringList locals_of(const QString& sitemap) {
    static const QRegularExpression local(QStringLiteral("<param name=\"Local\" value=\"([^\"]*)\">"));
    QStringList values;
    for (auto it = local.globalMatch(sitemap); it.hasNext();) values << it.next().captured(1);
    return values;
}

}  // namespace

class ChmCompileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable("chmcmd").isEmpty(), "chmcmd is missing: `make deps` installs fp-utils");
        QVERIFY2(!QStandardPaths::findExecutable("extract_chmLib").isEmpty(), "extract_chmLib is missing: `make deps` installs libchm-bin");
    }

    void the_compiled_help_holds_the_whole_site() {
        QTemporaryDir out;
        const test::CliRun run = test::run_cli({"helpbuild", test::help_site(), "--index", test::help_site_index(), "-o", out.path(),
                                                "--data", test::data_dir(), "--set",
                                                "htmlhelp_path=" + QStandardPaths::findExecutable("chmcmd")});
        QCOMPARE(run.exit_code, 0);
        const QStringList inside = test::extracted_files(out.filePath("HELPFILE.chm"), out.filePath("inside"));
        const QStringList site_files = {"Photo.JPG", "about.htm", "guide.htm", "index.htm", "logo.gif", "picture.png", "script.js",
                                        "style.css", "sub/notes.htm", "sub/page.htm"};
        for (const QString& file : site_files) {
            const QString name = "HELPFILE.site/" + file;
            QVERIFY2(inside.contains(name), qPrintable(name + " is not in " + inside.join(", ")));
            QCOMPARE(test::read_bytes(out.filePath("inside/" + name)), test::read_bytes(test::help_site() + "/" + file));
        }
        for (const char* sitemap : {"HELPFILE.hhc", "HELPFILE.hhk"}) {
            const QStringList locals = locals_of(QString::fromUtf8(test::read_bytes(out.filePath(QStringLiteral("inside/") + sitemap))));
            QVERIFY(!locals.isEmpty());
            for (const QString& local : locals) QVERIFY2(inside.contains(local), qPrintable(local));
        }
    }

    void the_help_menus_files_hold_their_pages() {
        QTemporaryDir out;
        const QStringList help = test::extracted_files(test::data_dir() + "/tamsel2001.chm", out.filePath("help"));
        const QStringList pages = QDir(test::source_dir() + "/data/help").entryList(QDir::Files);
        QVERIFY(pages.contains("index.htm"));
        for (const QString& page : pages) QVERIFY2(help.contains("HELPFILE.site/" + page), qPrintable(page));
        const struct {
            const char* file;
            const char* title;
        } references[] = {{"HTML.chm", "<title>HTML Specification</title>"}, {"CSS.chm", "<title>CSS Specification</title>"}};
        for (const auto& r : references) {
            const QString folder = out.filePath(QLatin1String(r.file));
            QVERIFY(test::extracted_files(test::data_dir() + "/" + r.file, folder).contains("HELPFILE.site/index.htm"));
            QVERIFY(test::read_bytes(folder + "/HELPFILE.site/index.htm").contains(r.title));
        }
    }
};

TAMSEL_TEST(ChmCompileTest)
#include "chm_compile_test.moc"
