// The table wizard in the window: it opens with the kept fields, an unreadable data file keeps it open,
// and a confirmed import keeps its fields and pours the table into the page.
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"
#include "wizards/table_commands.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tamsel;
using test::AppFixture;

class TableWizardWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_confirmed_import_keeps_its_fields() {
        AppFixture f;
        f.store.values.insert(QStringLiteral("CSV_CStyle0"), QStringLiteral("HEAD"));
        MasterWindow& w = f.start();
        QVERIFY(w.documents().new_document(QStringLiteral("HTM")));
        const QString data = f.doc(QStringLiteral("a.csv"), "x,1\r\n");
        QString kept_style;
        bool stayed_open = false;
        QTimer::singleShot(0, &w, [&] {
            QWidget* wizard = QApplication::activeModalWidget();
            QVERIFY(wizard && wizard->objectName() == QLatin1String("Wizard_Table"));
            kept_style = wizard->findChild<QLineEdit*>(QStringLiteral("style_0"))->text();
            auto* ok = wizard->findChild<QPushButton*>(QStringLiteral("Command_1"));
            wizard->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(f.docs.filePath(QStringLiteral("none.csv")));
            ok->click();
            stayed_open = wizard->isVisible();
            wizard->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(data);
            ok->click();
        });
        w.dispatch(QStringLiteral("id_Tools_Table_CSV"));

        QCOMPARE(kept_style, QStringLiteral("HEAD"));
        QVERIFY(stayed_open);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, csv_file_required);
        QCOMPARE(f.store.values.value(QStringLiteral("CSV_Filename")), data);
        QVERIFY(w.editor().text().contains(QStringLiteral("<tr align=center id=\"HEAD\">\r\n<td>x</td>\r\n<td align=right>1</td>")));
    }
};

TAMSEL_TEST(TableWizardWindowTest)
#include "table_wizard_window_test.moc"
