// Wizard_Table: the controls of each mode, what typing may put into the fields, the width choice, Browse,
// and OK handing the fields to the confirmation.
#include "platform/scripted_dialogs.h"
#include "support/test_registry.h"
#include "wizards/table_wizard_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tamsel;

namespace {

TableFields some_fields() {
    TableFields f;
    f.filename = QStringLiteral("/data/prices.csv");
    f.styles = {"TOP", "COL", "TXT"};
    f.numeric_styles = {"NEG", "NIL", "POS"};
    f.center_top = false;
    f.table_format = {"2", "3", "4"};
    f.set_width = false;
    f.width = QStringLiteral("640");
    f.unit = WidthUnit::Pixels;
    return f;
}

bool visible(QWidget& dialog, const char* name) {
    const QWidget* w = dialog.findChild<QWidget*>(QLatin1String(name));
    return w && !w->isHidden();
}

template <typename T = QLineEdit>
T* child(QWidget& dialog, const QString& name) {
    return dialog.findChild<T*>(name);
}

}  // namespace

class TableWizardDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void each_mode_shows_its_controls() {
        ScriptedDialogs dialogs;
        TableWizardDialog basic(TableMode::Basic, TableFields{}, [](const TableFields&) { return true; }, dialogs);
        QCOMPARE(basic.objectName(), QStringLiteral("Wizard_Table"));
        QCOMPARE(basic.windowTitle(), QStringLiteral("Table Wizard"));
        QVERIFY(visible(basic, "RowCol_0") && visible(basic, "RowCol_1") && visible(basic, "tb_wide_1"));
        QVERIFY(!visible(basic, "filename") && !visible(basic, "Command_2") && !visible(basic, "num_style_0"));
        QVERIFY(!visible(basic, "tb_wide_0"));
        QCOMPARE(child(basic, "RowCol_0")->text(), QStringLiteral("9"));

        TableWizardDialog csv(TableMode::Csv, TableFields{}, [](const TableFields&) { return true; }, dialogs);
        QCOMPARE(csv.windowTitle(), QStringLiteral("Import CSV data to HTML Table"));
        QVERIFY(visible(csv, "filename") && visible(csv, "Command_2") && visible(csv, "num_style_2"));
        QVERIFY(visible(csv, "tb_wide_0") && !visible(csv, "RowCol_0"));
        for (const char* name : {"style_0", "style_2", "center_top", "tb_fmt_0", "tb_fmt_2", "tb_wide_size", "cb_unit", "Command_0", "Command_1"})
            QVERIFY2(visible(csv, name) && visible(basic, name), name);
    }

    void the_fields_come_back_as_shown() {
        ScriptedDialogs dialogs;
        const TableFields shown = some_fields();
        TableWizardDialog dialog(TableMode::Csv, shown, [](const TableFields&) { return true; }, dialogs);
        QVERIFY(!child(dialog, "tb_wide_size")->isEnabled());  // "Fit to Data" is chosen
        QCOMPARE(child<QComboBox>(dialog, "cb_unit")->currentText(), QStringLiteral("Pixels"));
        const TableFields back = dialog.fields();
        QCOMPARE(back.filename, shown.filename);
        QCOMPARE(back.styles, shown.styles);
        QCOMPARE(back.numeric_styles, shown.numeric_styles);
        QCOMPARE(back.center_top, shown.center_top);
        QCOMPARE(back.table_format, shown.table_format);
        QCOMPARE(back.set_width, shown.set_width);
        QCOMPARE(back.width, shown.width);
        QCOMPARE(back.unit, shown.unit);
    }

    void typing_is_filtered_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("rows take digits only") << "RowCol_0" << "1a2 3" << "123" << 2;
        QTest::newRow("width takes digits only") << "tb_wide_size" << "5%0" << "50" << 1;
        QTest::newRow("padding takes digits only") << "tb_fmt_0" << "-4" << "4" << 1;
        QTest::newRow("a style ID refuses spaces, upper-cased") << "style_1" << "ab c-1" << "ABC-1" << 1;
        QTest::newRow("numeric style IDs alike") << "num_style_0" << "red" << "RED" << 0;
    }
    void typing_is_filtered() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        ScriptedDialogs dialogs;
        const TableMode mode = field.startsWith("RowCol") ? TableMode::Basic : TableMode::Csv;
        TableWizardDialog dialog(mode, TableFields{}, [](const TableFields&) { return true; }, dialogs);
        QLineEdit* edit = child(dialog, field);
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(dialogs.beeps, beeps);
        QTest::keyClick(edit, Qt::Key_Backspace);  // control keys pass
        QCOMPARE(edit->text(), expected.chopped(1));
        QCOMPARE(dialogs.beeps, beeps);
    }

    void pasted_text_is_tidied_too() {
        ScriptedDialogs dialogs;
        TableWizardDialog dialog(TableMode::Csv, TableFields{}, [](const TableFields&) { return true; }, dialogs);
        QLineEdit* width = child(dialog, "tb_wide_size");
        width->clear();
        width->insert(QStringLiteral("12 px"));
        QCOMPARE(width->text(), QStringLiteral("12"));
        QLineEdit* style = child(dialog, "style_0");
        style->insert(QStringLiteral("big head"));
        QCOMPARE(style->text(), QStringLiteral("BIGHEAD"));
    }

    void format_fields_hold_a_number_after_leaving_them() {
        ScriptedDialogs dialogs;
        TableFields shown;
        shown.table_format = {"12abc", "3", "1"};  // as a hand-edited setting may hold it
        TableWizardDialog dialog(TableMode::Basic, shown, [](const TableFields&) { return true; }, dialogs);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* padding = child(dialog, "tb_fmt_0");
        QLineEdit* spacing = child(dialog, "tb_fmt_1");
        padding->setFocus();
        spacing->setFocus();
        QCOMPARE(padding->text(), QStringLiteral("12"));
        spacing->setText(QStringLiteral("007"));
        padding->setFocus();
        QCOMPARE(spacing->text(), QStringLiteral("7"));
        padding->clear();
        spacing->setFocus();
        QCOMPARE(padding->text(), QStringLiteral("0"));
    }

    void the_width_choice_enables_its_fields() {
        ScriptedDialogs dialogs;
        TableWizardDialog dialog(TableMode::Csv, TableFields{}, [](const TableFields&) { return true; }, dialogs);
        QWidget* size = child(dialog, "tb_wide_size");
        QWidget* unit = child<QComboBox>(dialog, "cb_unit");
        QVERIFY(size->isEnabled() && unit->isEnabled());
        child<QRadioButton>(dialog, "tb_wide_0")->click();
        QVERIFY(!size->isEnabled() && !unit->isEnabled());
        QVERIFY(!dialog.fields().set_width);
        child<QRadioButton>(dialog, "tb_wide_1")->click();
        QVERIFY(size->isEnabled() && unit->isEnabled());
    }

    void browse_asks_for_a_data_file() {
        ScriptedDialogs dialogs;
        TableWizardDialog dialog(TableMode::Csv, some_fields(), [](const TableFields&) { return true; }, dialogs);
        auto* browse = child<QPushButton>(dialog, "Command_2");
        dialogs.files.push_back(QStringLiteral("/other/sales.csv"));
        browse->click();
        QCOMPARE(child(dialog, "filename")->text(), QStringLiteral("/other/sales.csv"));
        QCOMPARE(dialogs.file_requests.size(), 1);
        QVERIFY(dialogs.file_requests[0].filters.join(' ').contains("Comma Delimited Files"));
        QCOMPARE(dialogs.file_requests[0].directory, QStringLiteral("/data"));
        dialogs.files.push_back(std::nullopt);  // Cancel
        browse->click();
        QCOMPARE(child(dialog, "filename")->text(), QStringLiteral("/other/sales.csv"));
    }

    void ok_closes_only_when_confirmed() {
        ScriptedDialogs dialogs;
        QList<TableFields> asked;
        TableWizardDialog dialog(TableMode::Csv, some_fields(), [&](const TableFields& f) {
            asked << f;
            return asked.size() > 1;
        }, dialogs);
        dialog.show();
        auto* ok = child<QPushButton>(dialog, "Command_1");
        ok->click();
        QVERIFY(dialog.isVisible());
        child(dialog, "filename")->setText(QStringLiteral("/data/b.csv"));
        ok->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1].filename, QStringLiteral("/data/b.csv"));
    }

    void cancel_confirms_nothing() {
        ScriptedDialogs dialogs;
        bool asked = false;
        TableWizardDialog dialog(TableMode::Basic, TableFields{}, [&](const TableFields&) { return asked = true; }, dialogs);
        dialog.show();
        child<QPushButton>(dialog, "Command_0")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!asked);
    }
};

TAMSEL_TEST(TableWizardDialogTest)
#include "table_wizard_dialog_test.moc"
