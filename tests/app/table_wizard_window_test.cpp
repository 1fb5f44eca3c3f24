// The window answers the table commands with its own Wizard_Table; closing it leaves the page alone.
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

using namespace tamsel;

class TableWizardWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_window_shows_its_wizard() {
        test::AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().new_document(QStringLiteral("HTM")));
        QString shown;
        QTimer::singleShot(0, &w, [&] {
            auto* wizard = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!wizard) return;
            shown = wizard->objectName() + QLatin1Char(' ') + wizard->windowTitle();
            wizard->reject();
        });
        w.dispatch(QStringLiteral("id_Tools_Table_Basic"));
        QCOMPARE(shown, QStringLiteral("Wizard_Table Table Wizard"));
        QCOMPARE(w.editor().text(), QString());
    }
};

TAMSEL_TEST(TableWizardWindowTest)
#include "table_wizard_window_test.moc"
