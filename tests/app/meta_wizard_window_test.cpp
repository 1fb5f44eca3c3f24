// The meta tag command in the window: the form gets the page's fields, "Finish" rewrites the head as one
// undo step, "Cancel" writes nothing; the dialog shows the fields and gives back what the user typed.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"
#include "wizards/meta_wizard_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace tamsel;
using test::AppFixture;

class MetaWizardWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void finish_rewrites_the_head_and_undoes_in_one_step() {
        AppFixture f;
        MasterWindow& w = f.start();
        ScriptedMetaWizard wizard;
        w.forms().use<MetaWizardForm>(wizard);
        const QByteArray page = "<HTML>\r\n<HEAD>\r\n<TITLE>Old</TITLE>\r\n</HEAD>\r\n<BODY>x</BODY>\r\n</HTML>";
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("page.htm"), page), false));
        wizard.edits.push_back([](MetaFields& m) { m.keywords = QStringLiteral("a, b"); });
        w.dispatch(QStringLiteral("id_Tools_MetaTag"));
        QCOMPARE(wizard.shown.first().title, QStringLiteral("Old"));
        QCOMPARE(wizard.shown.first().character_set, QStringLiteral("UTF-8"));
        QVERIFY(w.editor().text().contains(QStringLiteral("<title>Old</title>\r\n<META name=\"keywords\" content=\"a, b\">")));
        QVERIFY(f.ws->documents.active()->changed);
        w.editor().undo();
        QCOMPARE(w.editor().text(), QString::fromUtf8(page));

        wizard.cancel = true;
        w.dispatch(QStringLiteral("id_Tools_MetaTag"));
        QCOMPARE(w.editor().text(), QString::fromUtf8(page));
    }

    void dialog_gives_back_what_was_typed() {
        MetaFields fields{QStringLiteral("T"), QString(), QStringLiteral("k"), QString(), QStringLiteral("windows-1250"), true, false};
        MetaWizardDialog dialog(fields);
        // A character set the list lacks is offered as the page has it.
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("Combo"))->currentText(), QStringLiteral("windows-1250"));
        QCOMPARE(dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text_2"))->toPlainText(), QStringLiteral("k"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Text_3"))->setText(QStringLiteral("Ann"));
        dialog.findChild<QCheckBox*>(QStringLiteral("Check_1"))->setChecked(true);
        dialog.findChild<QComboBox*>(QStringLiteral("Combo"))->setCurrentIndex(0);
        const MetaFields back = dialog.fields();
        QCOMPARE(back.author, QStringLiteral("Ann"));
        QVERIFY(back.no_follow && back.no_index);
        QCOMPARE(back.character_set, QString());
        QCOMPARE(back.title, QStringLiteral("T"));
    }
};

TAMSEL_TEST(MetaWizardWindowTest)
#include "meta_wizard_window_test.moc"
