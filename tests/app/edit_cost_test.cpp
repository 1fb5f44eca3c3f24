// What runs after each key reads flags, never the text: its reads through the editor are the same for a
// page of a kilobyte and one of ten megabytes.
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
};

TAMSEL_TEST(EditCostTest)
#include "edit_cost_test.moc"
