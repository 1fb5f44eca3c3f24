// Hostile titles, keywords and file names: every value of the contents and index stays inside its
// attribute and reads back as it was; a file name the project cannot hold is left out of every file.
#include "analyze/markup_scanner.h"
#include "helpbuild/help_builder.h"
#include "helpbuild/help_project_files.h"
#include "helpbuild/help_site_scan.h"
#include "support/test_registry.h"
#include "support/test_support.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_reader.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

const QString hostile_name = QStringLiteral("a\"><b>&c.htm");
const QString hostile_title = QStringLiteral("\"></OBJECT><script>alert(1)</script> & more");

// The one shape a line of the sitemaps may have beside the fixed ones: a parameter whose value holds no
// quote or angle bracket.
bool is_safe_sitemap(const QString& text, QString* bad_line) {
    static const QRegularExpression param(QStringLiteral("^\\t*<param name=\"(Name|Local|Window Styles)\" value=\"[^\"<>]*\">$"));
    static const QRegularExpression fixed(QStringLiteral(
        "^\\t*(<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">|</?HTML>|</?HEAD>|</?BODY>|</?UL>|<!-- Sitemap 1.0 -->|"
        "<meta name=\"GENERATOR\" content=\"[^\"<>]*\">|<LI> <OBJECT type=\"text/sitemap\">|"
        "<OBJECT type=\"text/site properties\">|</OBJECT>)$"));
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (param.match(line).hasMatch() || fixed.match(line).hasMatch()) continue;
        *bad_line = line;
        return false;
    }
    return true;
}

QString unescaped(QString value) {
    static const QRegularExpression reference(QStringLiteral("&#(\\d+);"));
    for (auto m = reference.match(value); m.hasMatch(); m = reference.match(value)) {
        const char32_t code = m.captured(1).toUInt();
        value.replace(m.capturedStart(), m.capturedLength(), QString::fromUcs4(&code, 1));
    }
    value.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    return value.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

QStringList param_values(const QString& text, const QString& name) {
    static const QRegularExpression param(QStringLiteral("<param name=\"(\\w+)\" value=\"([^\"]*)\">"));
    QStringList values;
    for (auto it = param.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1) == name) values << unescaped(m.captured(2));
    }
    return values;
}

// Scans site, with an index page added, and writes its project into out.
HelpProjectOutcome build(const QTemporaryDir& site, const QTemporaryDir& out) {
    test::write_bytes(site.filePath("index.htm"), "<HTML><HEAD><TITLE>I</TITLE></HEAD><BODY></BODY></HTML>\n");
    TagDatabase db;
    db.load_database(test::data_dir());
    ResultList results;
    MetaSlots metas;
    scan_help_site(db, site.path(), results, metas);
    return write_help_project(results.entries(), {site.path(), site.filePath("index.htm"), out.path(), "tamsel"});
}

}  // namespace

class SitemapEscapingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hostile_texts_stay_values_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup in a title") << hostile_title;
        QTest::newRow("quotes and ampersands") << QStringLiteral("say \"&quot;\" & 'that'");
        QTest::newRow("letters beyond ASCII") << QStringLiteral("ÜBER ÉTÉ 𝄞");
        QTest::newRow("control characters") << QStringLiteral("a\tb\r\nc");
    }
    void hostile_texts_stay_values() {
        QFETCH(QString, text);
        const QList<HelpEntry> entries = {{help_contents, text, text, "HELPFILE.site/" + hostile_name},
                                          {help_keyword, text, text, "HELPFILE.site/" + hostile_name}};
        for (const QString& sitemap : {help_contents_text(entries, text), help_index_text(entries, text)}) {
            QString bad;
            QVERIFY2(is_safe_sitemap(sitemap, &bad), qPrintable(bad));
            QCOMPARE(param_values(sitemap, "Name"), (QStringList{text, text}));
            QCOMPARE(param_values(sitemap, "Local"), QStringList{"HELPFILE.site/" + hostile_name});
            // A name reads the same in any code page: it is written in ASCII.
            for (const QString& line : sitemap.split(QStringLiteral("\r\n")))
                if (line.contains(QStringLiteral("name=\"Name\"")))
                    QVERIFY2(std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x7F; }), qPrintable(line));
        }
    }

    // A page of that name with that title, through the scan and the builder: the files the compiler reads
    // hold it as a value only, and the page itself is in the copy and under [Files].
    void a_hostile_page_goes_through_the_whole_build() {
        QTemporaryDir site;
        QTemporaryDir out;
        test::write_bytes(site.filePath(hostile_name), "<HTML><HEAD><TITLE>" + hostile_title.toUtf8() + "</TITLE>\n"
                          "<META NAME=\"keywords\" CONTENT='k\"1, <k2>'>\n<META NAME=\"description\" CONTENT=\"d &amp; e\">\n</HEAD></HTML>\n");
        const HelpProjectOutcome project = build(site, out);
        QVERIFY2(project.written, qPrintable(project.error));
        for (const QString& file : {project.contents_file, project.index_file}) {
            const QString text = QString::fromUtf8(test::read_bytes(file));
            QString bad;
            QVERIFY2(is_safe_sitemap(text, &bad), qPrintable(file + ": " + bad));
            QVERIFY(param_values(text, "Local").contains("HELPFILE.site/" + hostile_name));
        }
        QVERIFY(param_values(QString::fromUtf8(test::read_bytes(project.index_file)), "Name").contains("<K2>"));
        QVERIFY(test::read_bytes(project.project_file).contains("\r\nHELPFILE.site/" + hostile_name.toUtf8() + "\r\n"));
        QVERIFY(QFile::exists(out.filePath("HELPFILE.site/" + hostile_name)));
    }

    void a_name_with_a_line_break_is_left_out_of_every_file() {
        QTemporaryDir site;
        QTemporaryDir out;
        const QString broken = QStringLiteral("two\nlines.htm");
        test::write_bytes(site.filePath(broken), "<HTML><HEAD><TITLE>B</TITLE></HEAD><BODY></BODY></HTML>\n");
        const HelpProjectOutcome project = build(site, out);
        QVERIFY(project.written);
        for (const QString& file : {project.project_file, project.contents_file, project.index_file})
            QVERIFY(!test::read_bytes(file).contains("lines.htm"));
        QCOMPARE(project.left_out, (QList<LeftOutFile>{{site.filePath(broken), "a control character in its name"}}));
        QVERIFY(!QFile::exists(out.filePath("HELPFILE.site/" + broken)));
    }
};

TAMSEL_TEST(SitemapEscapingTest)
#include "sitemap_escaping_test.moc"
