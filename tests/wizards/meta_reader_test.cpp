// The META tag reader: normalised tag texts and the slots they fill.
#include "support/test_registry.h"
#include "wizards/meta_reader.h"

#include <QTest>

using namespace tamsel;

class MetaReaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reads_a_tag_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("normalised");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("content");
        QTest::newRow("plain") << "<META NAME=\"keywords\" CONTENT=\"a, b\">"
                               << "<META NAME=\"keywords\" content=\"a, b\">" << 4 << "NAME" << "a, b";
        QTest::newRow("quotes, line breaks, blanks around =")
            << "<meta name = 'Keywords'\r\n content= 'x'>" << "<META NAME=\"keywords\" content=\"x\">" << 4 << "NAME" << "x";
        QTest::newRow("content first") << "<meta content=\"About\" name=\"description\">"
                                       << "<META NAME=\"description\" content=\"About\">" << 5 << "NAME" << "About";
        QTest::newRow("http-equiv") << "<META HTTP-EQUIV=\"Expires\" CONTENT=\"0\">"
                                    << "<META HTTP-EQUIV=\"expires\" content=\"0\">" << 2 << "HTTP-EQUIV" << "0";
        QTest::newRow("content type keeps the character set")
            << "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-2\">"
            << "<META HTTP-EQUIV=\"content-type\" content=\"text/html; charset=iso-8859-2\">" << 1 << "HTTP-EQUIV"
            << "iso-8859-2";
        QTest::newRow("quotes inside a content are lost") << "<META NAME=\"author\" CONTENT=\"Jo \"Ed\" Li\">"
                                                          << "<META NAME=\"author\" content=\"Jo  Ed  Li\">" << 6 << "NAME"
                                                          << "Jo  Ed  Li";
    }
    void reads_a_tag() {
        QFETCH(QString, tag);
        QFETCH(int, slot);
        MetaSlots metas;
        QCOMPARE(parse_meta_tag(tag, true, metas), slot);
        QTEST(tag, "normalised");
        QTEST(metas.meta_kinds[slot], "kind");
        QTEST(metas.meta_slots[slot], "content");
        QVERIFY(metas.other_metas.isEmpty());
    }

    void other_names_and_nameless_tags() {
        MetaSlots metas;
        QString other = QStringLiteral("<meta name=\"viewport\" content=\"width=device-width\">");
        QCOMPARE(parse_meta_tag(other, true, metas), int(meta_other));
        QCOMPARE(metas.other_metas, QStringLiteral("<META NAME=\"viewport\" content=\"width=device-width\">\r\n"));
        QString nameless = QStringLiteral("<meta charset=\"utf-8\">");
        QCOMPARE(parse_meta_tag(nameless, true, metas), 0);
        QCOMPARE(nameless, QStringLiteral("<meta charset=\"utf-8\">"));
        QString unstored = QStringLiteral("<meta name=robots content=none>");
        QCOMPARE(parse_meta_tag(unstored, false, metas), int(meta_robots));
        QVERIFY(metas.meta_slots[meta_robots].isEmpty());
    }
};

TAMSEL_TEST(MetaReaderTest)
#include "meta_reader_test.moc"
