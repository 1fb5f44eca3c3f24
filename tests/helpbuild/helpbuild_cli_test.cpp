// `tamsel helpbuild`: the committed help site gives the golden project, contents and index; a site with
// errors builds nothing; requests the build cannot serve are refused; the compiler's errors fail the run.
#include "helpbuild/helpbuild_support.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

test::CliRun helpbuild(const QStringList& args) {
    return test::run_cli(QStringList{"helpbuild"} + args + QStringList{"--data", test::data_dir()});
}

QStringList files_below(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

}  // namespace

class HelpbuildCliTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_help_site_gives_the_golden_files() {
        QTemporaryDir out;
        const test::CliRun run = helpbuild({test::help_site(), "--index", test::help_site_index(), "-o", out.path(), "--no-compile"});
        QCOMPARE(run.exit_code, 0);
        for (const char* suffix : {".hhp", ".hhc", ".hhk"}) {
            const QString name = QStringLiteral("help_site") + QLatin1String(suffix);
            QVERIFY2(test::matches_golden(out.filePath(QStringLiteral("HELPFILE") + QLatin1String(suffix)), name),
                     qPrintable(name + QStringLiteral(" differs from its golden file; see ") + name + QStringLiteral(".actual")));
        }
        QVERIFY2(run.out.endsWith(QStringList{out.filePath("HELPFILE.hhp"), out.filePath("HELPFILE.hhc"), out.filePath("HELPFILE.hhk"), ""}
                                      .join(QLatin1Char('\n'))),
                 qPrintable(run.out));
        // The copy holds the pages and every file they link to; the missing file is named.
        QCOMPARE(files_below(out.filePath("HELPFILE.site")),
                 (QStringList{"Photo.JPG", "about.htm", "guide.htm", "index.htm", "logo.gif", "picture.png", "script.js", "style.css",
                              "sub/notes.htm", "sub/page.htm"}));
        QVERIFY2(run.err.contains(QStringLiteral("left out of the help (no such file): ") + test::help_site() + QStringLiteral("/missing.htm")),
                 qPrintable(run.err));
        // A page without a description is a warning, printed as `check` prints it; a script needs none.
        QVERIFY2(run.out.contains(test::help_site() + QStringLiteral("/sub/notes.htm: warning: ")), qPrintable(run.out));
        QVERIFY2(!run.out.contains(QStringLiteral("script.js")), qPrintable(run.out));
    }

    void a_site_with_errors_builds_nothing() {
        QTemporaryDir site;
        QTemporaryDir out;
        test::write_bytes(site.filePath("index.htm"),
                          "<HTML><HEAD><TITLE>T</TITLE><META NAME=\"keywords\" CONTENT=\"k\">\n"
                          "<META NAME=\"description\" CONTENT=\"d\"></HEAD>\n<BODY><A HREF=\"x.htm>x</A></BODY></HTML>\n");
        const test::CliRun run = helpbuild({site.path(), "--index", site.filePath("index.htm"), "-o", out.path()});
        QCOMPARE(run.exit_code, 1);
        QVERIFY2(run.out.contains(site.filePath("index.htm") + QStringLiteral(":3: error: ")), qPrintable(run.out));
        QVERIFY(QDir(out.path()).isEmpty());
    }

    void requests_it_cannot_serve_are_refused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("said");
        const QString site = test::help_site();
        QTest::newRow("no index page") << QStringList{site} << "no --index PAGE given";
        QTest::newRow("index page outside the site")
            << QStringList{site + "/sub", "--index", test::help_site_index()} << "is not inside the website folder";
        QTest::newRow("project inside the site")
            << QStringList{site, "--index", test::help_site_index(), "-o", site + "/sub/help"} << "lies inside the website folder";
        QTest::newRow("no such site") << QStringList{site + "/none", "--index", test::help_site_index()} << "does not exist";
        QTest::newRow("two sites") << QStringList{site, site, "--index", test::help_site_index()} << "unexpected";
    }
    void requests_it_cannot_serve_are_refused() {
        QFETCH(QStringList, args);
        QFETCH(QString, said);
        const test::CliRun run = helpbuild(args);
        QCOMPARE(run.exit_code, 2);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        QVERIFY(!QFile::exists(test::help_site() + "/sub/help"));
    }

    void the_compilers_error_lines_fail_the_run() {
        QTemporaryDir out;
        QTemporaryDir tools;
        const QByteArray output = "Note: scanning\nerror: cannot read x.htm\n";
        const QString compiler = test::fake_compiler(tools.path(), output);
        const test::CliRun run = helpbuild({test::help_site(), "--index", test::help_site_index(), "-o", out.path(),
                                            "--set", "htmlhelp_path=" + compiler});
        QCOMPARE(run.exit_code, 1);
        QVERIFY2(run.out.contains("\nerror: cannot read x.htm\n" + out.filePath("HELPFILE.chm")), qPrintable(run.out));
        QCOMPARE(test::read_bytes(out.filePath("HELPFILE.log")), output);
    }

    void help_describes_the_command() {
        const test::CliRun run = test::run_cli({"helpbuild", "--help"});
        QCOMPARE(run.exit_code, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("usage: tamsel helpbuild SITE --index PAGE [-o DIR] [--no-compile]")));
        QVERIFY(test::run_cli({"--help"}).out.contains(QStringLiteral("helpbuild")));
    }
};

TAMSEL_TEST(HelpbuildCliTest)
#include "helpbuild_cli_test.moc"
