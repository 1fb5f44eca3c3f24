// The meta tag wizard's engine: a head read into fields and written back as one block, keeping every tag
// it does not manage and every character of a value.
#include "platform/memory_buffer.h"
#include "support/test_registry.h"
#include "wizards/meta_wizard.h"

#include <QTest>

using namespace tamsel;

namespace {

// The page after the wizard opened on it and finished without a change.
QString finished(const QString& page, const QString& eol = QStringLiteral("\r\n")) {
    MemoryBuffer buffer(page);
    PageEditor editor{buffer, eol};
    const MetaFields fields = fields_of(read_head_metas(page), u"UTF-8");
    if (!write_head_metas(editor, fields, QStringLiteral("tamsel2001"))) return QStringLiteral("<not written>");
    return buffer.text();
}

}  // namespace

class MetaWizardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void heads_are_read_into_fields_data() {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("keywords in any case and spacing")
            << "<head><meta NAME = 'Keywords' content=\"a, b\"></head>" << "keywords" << "a, b";
        QTest::newRow("character set of a content type")
            << "<head><META HTTP-EQUIV=\"Content-Type\" content=\"text/html; charset=iso-8859-2\"></head>" << "charset" << "ISO-8859-2";
        QTest::newRow("character set of meta charset") << "<head><meta charset=utf-8></head>" << "charset" << "UTF-8";
        QTest::newRow("no character set: the document's") << "<head></head>" << "charset" << "UTF-8";
        QTest::newRow("an apostrophe stays in a value")
            << "<head><meta name=description content=\"Ann's page\"></head>" << "description" << "Ann's page";
        QTest::newRow("title as it stands in the source")
            << "<head><title> A &amp; B </title></head>" << "title" << "A &amp; B";
        QTest::newRow("a title in the body is not the page's")
            << "<head></head><body><svg><title>x</title></svg></body>" << "title" << "";
        QTest::newRow("a > inside a quoted value") << "<head><meta name=author content=\"a>b\"></head>" << "author" << "a>b";
    }
    void heads_are_read_into_fields() {
        QFETCH(QString, head);
        QFETCH(QString, field);
        QFETCH(QString, value);
        const MetaFields f = fields_of(read_head_metas(head), u"UTF-8");
        const QHash<QString, QString> fields = {{"keywords", f.keywords}, {"charset", f.character_set},
                                                {"description", f.description}, {"title", f.title},
                                                {"author", f.author}};
        QCOMPARE(fields.value(field), value);
    }

    void robots_set_the_boxes_data() {
        QTest::addColumn<QString>("robots");
        QTest::addColumn<bool>("no_follow");
        QTest::addColumn<bool>("no_index");
        QTest::addColumn<QString>("written");
        QTest::newRow("none given: both") << "" << true << true << "None";
        QTest::newRow("all: neither") << "ALL" << false << false << "all";
        QTest::newRow("noindex only") << "noindex, follow" << false << true << "NoIndex,Follow";
        QTest::newRow("nofollow only") << "index,nofollow" << true << false << "Index,NoFollow";
    }
    void robots_set_the_boxes() {
        QFETCH(QString, robots);
        QFETCH(bool, no_follow);
        QFETCH(bool, no_index);
        QFETCH(QString, written);
        HeadMetas head;
        head.robots = robots;
        const MetaFields f = fields_of(head, u"UTF-8");
        QCOMPARE(f.no_follow, no_follow);
        QCOMPARE(f.no_index, no_index);
        QVERIFY(meta_block(f, head, QStringLiteral("g"), QStringLiteral("\n"))
                    .contains(QStringLiteral("<META name=\"robots\" content=\"%1\">").arg(written)));
    }

    void finishing_rewrites_the_head_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::newRow("managed tags in their order, the rest kept word for word")
            << "<HTML>\r\n<HEAD>\r\n<meta name=viewport content=\"width=device-width\">\r\n<TITLE>T</TITLE>\r\n"
               "<meta property=\"og:title\" content='Ann\"s'>\r\n<meta http-equiv=refresh content=\"5; url=a.htm\">\r\n"
               "<meta name=keywords content=\"a, b\">\r\n<link rel=stylesheet href=s.css>\r\n</HEAD>\r\n<BODY></BODY>"
            << "<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"content-type\" content=\"text/html; charset=UTF-8\">\r\n"
               "<title>T</title>\r\n<META name=\"keywords\" content=\"a, b\">\r\n<META name=\"robots\" content=\"None\">\r\n"
               "<META name=\"generator\" content=\"tamsel2001\">\r\n<meta name=viewport content=\"width=device-width\">\r\n"
               "<meta property=\"og:title\" content='Ann\"s'>\r\n<meta http-equiv=refresh content=\"5; url=a.htm\">\r\n"
               "<link rel=stylesheet href=s.css>\r\n</HEAD>\r\n<BODY></BODY>";
        QTest::newRow("meta charset keeps its form, expires stays as it was")
            << "<head><meta charset=\"utf-8\"><meta http-equiv=expires content=\"0\"></head>"
            << "<head>\r\n<meta charset=\"UTF-8\">\r\n<meta http-equiv=expires content=\"0\">\r\n"
               "<META name=\"robots\" content=\"None\">\r\n<META name=\"generator\" content=\"tamsel2001\">\r\n</head>";
        QTest::newRow("an old generator is replaced, a META in the body stays")
            << "<head><meta name=generator content=x></head><body><meta itemprop=a content=b></body>"
            << "<head>\r\n<META HTTP-EQUIV=\"content-type\" content=\"text/html; charset=UTF-8\">\r\n"
               "<META name=\"robots\" content=\"None\">\r\n<META name=\"generator\" content=\"tamsel2001\">\r\n</head>"
               "<body><meta itemprop=a content=b></body>";
    }
    void finishing_rewrites_the_head() {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        QCOMPARE(finished(page), expected);
    }

    void typed_quotes_are_escaped_and_lf_pages_keep_lf() {
        MemoryBuffer buffer(QStringLiteral("<head>\n</head>\n"));
        PageEditor page{buffer, QStringLiteral("\n")};
        MetaFields f = fields_of(read_head_metas(buffer.text()), u"");
        f.description = QStringLiteral("the \"best\" page");
        f.character_set.clear();
        QVERIFY(write_head_metas(page, f, QStringLiteral("tamsel2001")));
        QVERIFY(buffer.text().startsWith(QStringLiteral("<head>\n<META name=\"description\" content=\"the &quot;best&quot; page\">\n")));
        QVERIFY(!buffer.text().contains(u'\r'));
        QVERIFY(!buffer.text().contains(QStringLiteral("content-type")));
        buffer.undo();
        QCOMPARE(buffer.text(), QStringLiteral("<head>\n</head>\n"));
    }

    // A second finish changes nothing: the block is read back into the same fields.
    void finishing_twice_is_stable() {
        const QString page = QStringLiteral("<html><head><title>t</title><meta name=x content=y></head><body></body></html>");
        const QString once = finished(page);
        QCOMPARE(finished(once), once);
    }

    void hostile_heads_do_not_break_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("unclosed meta") << "<head><meta name=\"a";
        QTest::newRow("no head") << "<p>x";
        QTest::newRow("unclosed title") << "<head><title>x</head>";
        QTest::newRow("stray equals") << "<head><meta = =x name></head>";
    }
    void hostile_heads_do_not_break() {
        QFETCH(QString, page);
        const QString after = finished(page);
        QVERIFY(!after.isEmpty());
    }
};

TAMSEL_TEST(MetaWizardTest)
#include "meta_wizard_test.moc"
