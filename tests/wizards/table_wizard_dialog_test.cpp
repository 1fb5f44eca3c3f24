// Wizard_Table: the controls of each mode, what typing may put into the fields, the width choice, Browse,
// and OK handing the fields to the confirmation.
#include "platform/scripted_dialogs.h"
#include "support/test_registry.h"
#include "wizards/table_wizard_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tamsel;

namespace {

const TableFields some_fields{"9", "9", {"TOP", "COL", "TXT"}, {"NEG", "NIL", "POS"}, false, {"2", "3", "4"}, false, "640",
                              WidthUnit::Pixels, "/data/prices.csv"};

bool shown(QWidget& dialog, const char* name) {
    const QWidget* w = dialog.findChild<QWidget*>(QLatin1String(name));
    return w && !w->isHidden();
}

template <typename T = QLineEdit>
T* child(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

struct Wizard {
    ScriptedDialogs dialogs;
    QList<TableFields> asked;
    bool confirms = true;
    TableWizardDialog dialog;
    explicit Wizard(TableMode mode, const TableFields& fields = {})
        : dialog(mode, fields, [this](const TableFields& f) {
              asked.append(f);
              return confirms;
          }, dialogs) {}
};

}  // namespace

class TableWizardDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void each_mode_shows_its_controls() {
        Wizard basic(TableMode::Basic), csv(TableMode::Csv);
        QCOMPARE(basic.dialog.windowTitle(), QStringLiteral("Table Wizard"));
        QCOMPARE(csv.dialog.windowTitle(), QStringLiteral("Import CSV data to HTML Table"));
        for (const char* name : {"RowCol_0", "RowCol_1"}) QVERIFY2(shown(basic.dialog, name) && !shown(csv.dialog, name), name);
        for (const char* name : {"filename", "Command_2", "num_style_0", "num_style_2", "tb_wide_0"})
            QVERIFY2(shown(csv.dialog, name) && !shown(basic.dialog, name), name);
        for (const char* name : {"style_0", "style_2", "center_top", "tb_fmt_2", "tb_wide_1", "tb_wide_size", "cb_unit", "Command_1"})
            QVERIFY2(shown(csv.dialog, name) && shown(basic.dialog, name), name);
    }

    void typing_is_filtered_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("columns take digits only") << "RowCol_1" << "a5 " << "5" << 2;
        QTest::newRow("width takes digits only") << "tb_wide_size" << "5%0" << "50" << 1;
        QTest::newRow("a style ID refuses spaces and is upper-cased") << "style_1" << "ab c-1" << "ABC-1" << 1;
        QTest::newRow("numeric style IDs alike") << "num_style_0" << "red" << "RED" << 0;
    }
    void typing_is_filtered() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        Wizard w(field.startsWith("RowCol") ? TableMode::Basic : TableMode::Csv);
        QLineEdit* edit = child(w.dialog, qPrintable(field));
        edit->clear();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Backspace);  // control keys pass
        QCOMPARE(edit->text(), expected.chopped(1));
        QCOMPARE(w.dialogs.beeps, beeps);
        edit->insert(QStringLiteral(" x9"));  // pasted text is kept to what the field holds
        QCOMPARE(edit->text(), expected.chopped(1) + (field.contains("style") ? "X9" : "9"));
    }

    void format_fields_hold_a_number_after_leaving_them() {
        TableFields fields;
        fields.table_format = {"12abc", "3", "1"};  // as a hand-edited setting may hold it
        Wizard w(TableMode::Basic, fields);
        w.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
        QLineEdit* padding = child(w.dialog, "tb_fmt_0");
        QLineEdit* spacing = child(w.dialog, "tb_fmt_1");
        padding->setFocus();
        spacing->setFocus();
        QCOMPARE(padding->text(), QStringLiteral("12"));
        spacing->setText(QString());
        padding->setFocus();
        QCOMPARE(spacing->text(), QStringLiteral("0"));
    }

    void the_width_choice_enables_its_fields() {
        Wizard w(TableMode::Csv, some_fields);
        QWidget* size = child(w.dialog, "tb_wide_size");
        QVERIFY(!size->isEnabled() && !child<QComboBox>(w.dialog, "cb_unit")->isEnabled());
        child<QRadioButton>(w.dialog, "tb_wide_1")->click();
        QVERIFY(size->isEnabled() && child<QComboBox>(w.dialog, "cb_unit")->isEnabled());
        QVERIFY(w.dialog.fields().set_width);
    }

    void browse_asks_for_a_data_file() {
        Wizard w(TableMode::Csv, some_fields);
        w.dialogs.files = {QStringLiteral("/other/sales.csv"), std::nullopt};
        child<QPushButton>(w.dialog, "Command_2")->click();
        child<QPushButton>(w.dialog, "Command_2")->click();  // cancelled: the name stays
        QCOMPARE(child(w.dialog, "filename")->text(), QStringLiteral("/other/sales.csv"));
        QVERIFY(w.dialogs.file_requests[0].filters.join(' ').contains("Comma Delimited Files"));
        QCOMPARE(w.dialogs.file_requests[0].directory, QStringLiteral("/data"));
    }

    void ok_closes_only_when_confirmed() {
        Wizard w(TableMode::Csv, some_fields);
        w.dialog.show();
        w.confirms = false;
        child<QPushButton>(w.dialog, "Command_1")->click();
        QVERIFY(w.dialog.isVisible());
        w.confirms = true;
        child<QPushButton>(w.dialog, "Command_1")->click();
        QCOMPARE(w.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(w.asked.size(), 2);
        QVERIFY(w.asked[1] == some_fields);  // every field comes back as it was shown
    }
};

TAMSEL_TEST(TableWizardDialogTest)
#include "table_wizard_dialog_test.moc"
