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

    // Colouring the edited lines again reads the text around them, as much for a page of five megabytes
    // as for one of ten, edited in its middle or at its end.
    void colouring_an_edit_again_reads_what_is_around_it() {
        for (const bool at_end : {false, true}) {
            QList<qsizetype> reads;
            for (const qsizetype size : {qsizetype(5) << 20, qsizetype(10) << 20}) {
                SessionFixture f;
                f.start();
                f.ws->window.highlight_on = true;
                QByteArray page = QByteArray("<P ALIGN=left>row</P>\r\n").repeated(size / 23);
                QVERIFY(f.files().open_document(f.doc(QStringLiteral("page.htm"), page), false));
                const int line = at_end ? f.editor().line_count() - 1 : f.editor().line_count() / 2;
                f.editor().set_selection(f.editor().line_start(line) + 1, 0);
                f.editor().replace_selection(QStringLiteral("B"));
                f.editor().characters_read = 0;
                f.session->colouring().recolour_lines(line, line);
                reads.append(f.editor().characters_read);
            }
            QCOMPARE(reads[1], reads[0]);
        }
    }
};

TAMSEL_TEST(EditCostTest)
#include "edit_cost_test.moc"
