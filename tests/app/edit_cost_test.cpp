// What runs after each key reads flags, never the text: its reads through the editor are the same for a
// page of a kilobyte and one of ten megabytes.
#include "app/document_colouring.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;
using test::SessionFixture;

class EditCostTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_work_after_a_key_does_not_grow_with_the_text() {
        QList<qsizetype> reads;
        for (const qsizetype size : {qsizetype(1) << 10, qsizetype(10) << 20}) {
            SessionFixture f;
            f.start();
            QByteArray page = QByteArray("<P>row</P>\r\n").repeated(size / 12);
            QVERIFY(f.files().open_document(f.doc(QStringLiteral("page.htm"), page), false));
            f.editor().set_selection(f.editor().length() / 2, 3);
            f.editor().replace_selection(QStringLiteral("x"));
            f.editor().characters_read = 0;
            f.session->text_edited();
            QVERIFY(f.changed());
            reads.append(f.editor().characters_read);
        }
        QCOMPARE(reads[1], reads[0]);
    }

    // Colouring an edit again reads and colours what is around it, as much for a page of five megabytes
    // as for one of ten, edited in its middle or at its end, in lines or on a single line.
    void colouring_an_edit_again_works_around_it_data() {
        QTest::addColumn<bool>("one_line");
        QTest::addColumn<bool>("at_end");
        QTest::newRow("lines, edited in the middle") << false << false;
        QTest::newRow("lines, edited at the end") << false << true;
        QTest::newRow("one line, edited in the middle") << true << false;
        QTest::newRow("one line, edited at the end") << true << true;
    }
    void colouring_an_edit_again_works_around_it() {
        QFETCH(bool, one_line);
        QFETCH(bool, at_end);
        QList<qsizetype> reads, coloured;
        for (const qsizetype size : {qsizetype(5) << 20, qsizetype(10) << 20}) {
            SessionFixture f;
            f.start();
            f.ws->window.highlight_on = true;
            const QByteArray row = one_line ? QByteArray("<P ALIGN=left>row</P> ") : QByteArray("<P ALIGN=left>row</P>\r\n");
            QVERIFY(f.files().open_document(f.doc(QStringLiteral("page.htm"), row.repeated(size / row.size())), false));
            MemoryBuffer& edit = f.editor();
            const qsizetype at = at_end ? edit.length() - row.size() + 1 : edit.length() / 2 / row.size() * row.size() + 1;
            edit.set_selection(at, 0);
            edit.replace_selection(QStringLiteral("B"));
            edit.characters_read = edit.characters_coloured = 0;
            const int line = edit.line_of(at);
            f.session->colouring().recolour_edit({line, line, at, at + 1});
            reads.append(edit.characters_read);
            coloured.append(edit.characters_coloured);
            QCOMPARE(edit.colour_at(at), static_cast<ColourValue>(f.ws->config.config_long(highlight_tag)));  // "<BP" is still a tag
        }
        QCOMPARE(reads[1], reads[0]);
        QCOMPARE(coloured[1], coloured[0]);
    }
};

TAMSEL_TEST(EditCostTest)
#include "edit_cost_test.moc"
