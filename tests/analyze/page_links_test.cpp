// Which link a line holds, and where it leads.
#include "analyze/page_links.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

class PageLinksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void first_link_of_a_line_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("named_target");
        QTest::newRow("quoted href, case kept") << "<a href=\"Pages/One.htm\">" << "Pages/One.htm" << false;
        QTest::newRow("blanks around =") << "<IMG SRC = 'a.gif' >" << "a.gif" << false;
        QTest::newRow("window.open") << "x = window.open('a.htm','w')" << "a.htm" << false;
        QTest::newRow("SRC wins over HREF") << "<a href=b.htm><img src=a.gif></a>" << "a.gif" << false;
        QTest::newRow("only the first link") << "<a href=b.htm>b</a> <a href=c.htm>c</a>" << "b.htm" << false;
        QTest::newRow("HREF starting the line is not seen") << "HREF=x.htm>" << "" << false;
        QTest::newRow("same-page link") << "<a href=\"#top\">" << "" << false;
        QTest::newRow("stray quote") << "<a href=\"x.htm>" << "" << false;
        QTest::newRow("cut at >") << "<a href=x.htm>y</a>" << "x.htm" << false;
        QTest::newRow("named frame target") << "<a href=x.htm target=\"main\">" << "x.htm" << true;
        QTest::newRow("underscore target") << "<a href=x.htm target='_top'>" << "x.htm" << false;
        QTest::newRow("no keyword") << "<p>some text</p>" << "" << false;
    }
    void first_link_of_a_line() {
        QFETCH(QString, line);
        QFETCH(QString, link);
        QFETCH(bool, named_target);
        const LineLink found = find_line_link(line);
        QCOMPARE(found.link, link);
        QCOMPARE(found.named_target, named_target);
    }

    void resolve_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("path");
        QTest::newRow("up one folder") << "/site/sub/p.htm" << "../img/a.gif" << "/site/img/a.gif";
        QTest::newRow("backslashes read as /") << "/site/sub/p.htm" << "..\\img\\A.gif" << "/site/img/A.gif";
        QTest::newRow("up to the root") << "/site/p.htm" << "../a.htm" << "/a.htm";
        QTest::newRow("above the top: unchanged") << "/p.htm" << "../../a.htm" << "../../a.htm";
        QTest::newRow("relative base") << "site/sub/p.htm" << "../../a.htm" << "a.htm";
        QTest::newRow("same folder, ./ dropped") << "/site/p.htm" << "./b/c.htm" << "/site/b/c.htm";
        QTest::newRow("web address") << "/site/p.htm" << "http://example.com/x" << "http://example.com/x";
        QTest::newRow("a mail address keeps its scheme") << "/site/p.htm" << "mailto:me@example.com" << "mailto:me@example.com";
        QTest::newRow("a host without a scheme") << "/site/p.htm" << "//cdn.example.com/x.js" << "//cdn.example.com/x.js";
        QTest::newRow("a drive letter is no scheme") << "/site/p.htm" << "c:a.htm" << "/site/c:a.htm";
        QTest::newRow("plain name") << "/Site/P.htm" << "Other.HTM" << "/Site/Other.HTM";
    }
    void resolve() {
        QFETCH(QString, base);
        QFETCH(QString, link);
        QFETCH(QString, path);
        QCOMPARE(resolve_link(base, link), path);
    }

    void a_link_is_found_without_its_fragment_and_query_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("file");
        QTest::newRow("fragment") << "/s/a.htm#top" << "/s/a.htm";
        QTest::newRow("query") << "/s/a.htm?x=1#y" << "/s/a.htm";
        QTest::newRow("blank spelt %20, a folder climbed") << "/s/sub/../my%20page.htm" << "/s/my page.htm";
        QTest::newRow("a web address stays whole") << "http://example.com/a%20b?q" << "http://example.com/a%20b";
    }
    void a_link_is_found_without_its_fragment_and_query() {
        QFETCH(QString, target);
        QFETCH(QString, file);
        QCOMPARE(linked_file(target), file);
    }
};

TAMSEL_TEST(PageLinksTest)
#include "page_links_test.moc"
