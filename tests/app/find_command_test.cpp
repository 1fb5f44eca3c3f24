// "Find Next" without a search text opens the Find dialog; the Find and Replace commands open it in
// their modes.
#include "find/find_form.h"
#include "session_fixture.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

class FindCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commands_open_the_dialog_in_their_mode() {
        test::SessionFixture f;
        ScriptedFindForm form;
        f.forms.use<FindForm>(form);
        f.start();
        QVERIFY(f.files().open_document(f.doc(QStringLiteral("a.htm"), "<p>x</p>"), false));
        f.dispatch(QStringLiteral("id_FindNext"));  // nothing searched for yet
        f.dispatch(QStringLiteral("ID_Replace"));
        QCOMPARE(form.shown, (QList<FindMode>{FindMode::find, FindMode::replace}));
    }
};

TAMSEL_TEST(FindCommandTest)
#include "find_command_test.moc"
