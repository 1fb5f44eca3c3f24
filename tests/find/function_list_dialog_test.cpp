// frm_funcfind: a click on a name picks it and closes the window; closing it otherwise picks nothing.
#include "find/function_list_dialog.h"
#include "support/test_registry.h"

#include <QListWidget>
#include <QTest>

using namespace tamsel;

class FunctionListDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_click_picks_the_name() {
        FunctionListDialog dialog({QStringLiteral("add"), QStringLiteral("Window_OnLoad")});
        dialog.show();
        QCOMPARE(dialog.objectName(), QStringLiteral("frm_funcfind"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Function/Sub List"));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List1"));
        QVERIFY(list);
        const QRect row = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(dialog.chosen(), std::optional<QString>(QStringLiteral("Window_OnLoad")));
        QVERIFY(!dialog.isVisible());
    }

    void closing_picks_nothing() {
        FunctionListDialog dialog({QStringLiteral("add")});
        dialog.show();
        dialog.reject();
        QVERIFY(!dialog.chosen());
    }
};

TAMSEL_TEST(FunctionListDialogTest)
#include "function_list_dialog_test.moc"
