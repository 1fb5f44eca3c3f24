// The printout's layout: the header of each page, numbered lines, long lines carried over, page breaks.
#include "print/print_layout.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

const QDate day(2026, 12, 7);

QList<PrintedPage> pages_of(const QString& text, PrintMetrics metrics, const QString& title = QStringLiteral("/w/a.htm")) {
    QList<PrintedPage> pages;
    lay_out_pages(text, title, day, metrics, [&](const PrintedPage& p) {
        pages.append(p);
        return true;
    });
    return pages;
}

}  // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headers_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("header");
        QTest::newRow("the path centred in upper case")
            << "/w/a.htm" << 1 << 40 << "07Dec2026       /W/A.HTM           pg. 1";
        QTest::newRow("no title is the error list") << "" << 12 << 40 << "07Dec2026      Error List         pg. 12";
        QTest::newRow("a long path is cut to the width")
            << "/a/very/long/path/to/a/page.htm" << 3 << 20 << "07Dec2026ONG/PApg. 3";
        QTest::newRow("a page narrower than the date") << "/x" << 2 << 6 << "0pg. 2";
    }
    void headers() {
        QFETCH(QString, title);
        QFETCH(int, page);
        QFETCH(int, width);
        QFETCH(QString, header);
        const QString made = page_header(title, page, day, width);
        QCOMPARE(made.size(), width);
        QCOMPARE(made, header.left(width));
    }

    void lines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("printed");  // number|text per output line
        QTest::newRow("numbered, trailing spaces gone, an empty line is a space")
            << "a  \r\n\r\nb" << QStringList{"    1: |a", "    2: | ", "    3: |b"};
        QTest::newRow("a line wider than the page goes on unnumbered")
            << QString(13, u'x') << QStringList{"    1: |xxxxx", "|xxxxx", "|xxx"};
        QTest::newRow("LF and CR end lines too, a last line end adds none")
            << "a\nb\rc\n" << QStringList{"    1: |a", "    2: |b", "    3: |c"};
        QTest::newRow("tabs spread to columns of eight") << "\tx" << QStringList{"    1: |     ", "|   x"};
    }
    void lines() {
        QFETCH(QString, text);
        QFETCH(QStringList, printed);
        QStringList got;
        for (const PrintedPage& page : pages_of(text, {100, 5}))
            for (const PrintedLine& line : page.lines) got.append(line.number + u'|' + line.text);
        QCOMPARE(got, printed);
    }

    void pages_hold_their_lines_below_the_header() {
        // 130 characters on a page 80 wide: two output lines, both counted against the page.
        const QString text = QString(130, u'w') + QStringLiteral("\r\nshort\r\nlast");
        const QList<PrintedPage> pages = pages_of(text, {4, 80});  // two text lines a page
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].lines.size(), 2);
        QCOMPARE(pages[0].lines[1].number, QString());
        QCOMPARE(pages[0].lines[1].text.size(), 50);
        QCOMPARE(pages[1].lines[0].text, QStringLiteral("short"));
        QVERIFY(pages[1].header.endsWith(QStringLiteral("pg. 2")));
        QCOMPARE(pages[1].rule, QString(80, u'-'));
    }

    void an_empty_document_prints_its_header() {
        const QList<PrintedPage> pages = pages_of({}, {60, 80});
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].lines.isEmpty());
        QVERIFY(pages[0].header.contains(QStringLiteral("/W/A.HTM")));
    }
};

TAMSEL_TEST(PrintLayoutTest)
#include "print_layout_test.moc"
