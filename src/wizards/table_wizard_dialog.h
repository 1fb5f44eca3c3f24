#pragma once
// Wizard_Table: the table wizard's window. It shows the fields of its mode, keeps typing in them to what
// they can hold, and on OK hands the fields to the caller's confirmation; it makes no table itself.
//
// The form's control arrays become one object per index, named with the index after an underscore:
// RowCol_0 (rows) and RowCol_1 (columns), style_0 to style_2, num_style_0 to num_style_2 (below, equal
// to and above zero), tb_fmt_0 to tb_fmt_2 (cellpadding, cellspacing, border), tb_wide_0 ("Fit to Data")
// and tb_wide_1 ("Set to"), Command_0 (Cancel), Command_1 (OK) and Command_2 (Browse).
#include "wizards/table_wizard_form.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tamsel {

class DialogHost;

class TableWizardDialog : public QDialog {
    Q_OBJECT
public:
    // dialogs beeps at refused keys and asks for the data file.
    TableWizardDialog(TableMode mode, const TableFields& fields, TableConfirm confirm, DialogHost& dialogs,
                      QWidget* parent = nullptr);
    // The fields as the controls hold them now.
    TableFields fields() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* data_file_box();
    QWidget* size_box();
    QWidget* style_box();
    QWidget* table_box();
    QLineEdit* number_field(const QString& name, int max_length, QWidget* parent);
    QLineEdit* style_field(const QString& name, QWidget* parent);
    void show_fields(const TableFields& fields);
    void browse();
    void confirm();

    TableMode mode_;
    TableConfirm confirm_;
    DialogHost& dialogs_;
    QLineEdit* filename_ = nullptr;
    std::array<QLineEdit*, 2> row_col_{};
    std::array<QLineEdit*, 3> styles_{};
    std::array<QLineEdit*, 3> numeric_styles_{};
    QCheckBox* center_top_ = nullptr;
    std::array<QLineEdit*, 3> table_format_{};
    std::array<QRadioButton*, 2> width_choice_{};
    QLineEdit* width_ = nullptr;
    QComboBox* unit_ = nullptr;
};

// The table wizard of the window: the dialog, modal over parent.
class QtTableWizardForm : public TableWizardForm {
public:
    QtTableWizardForm(QWidget* parent, DialogHost& dialogs) : parent_(parent), dialogs_(dialogs) {}
    std::optional<TableFields> show(TableMode mode, const TableFields& fields, const TableConfirm& confirm) override;

private:
    QWidget* parent_;
    DialogHost& dialogs_;
};

}  // namespace tamsel
