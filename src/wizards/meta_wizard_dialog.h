#pragma once
// Wizard_MetaTags: the title, description, keywords, author, character set and robots of a page, for the
// user to edit. It shows the fields it is given and answers with what the user left in them.
#include "wizards/meta_wizard_form.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tamsel {

class MetaWizardDialog : public QDialog {
    Q_OBJECT
public:
    explicit MetaWizardDialog(const MetaFields& fields, QWidget* parent = nullptr);
    MetaFields fields() const;

private:
    QLineEdit* title_;
    QLineEdit* description_;
    QPlainTextEdit* keywords_;
    QLineEdit* author_;
    QComboBox* character_set_;
    QCheckBox* no_follow_;
    QCheckBox* no_index_;
};

class QtMetaWizardForm : public MetaWizardForm {
public:
    explicit QtMetaWizardForm(QWidget* parent) : parent_(parent) {}
    std::optional<MetaFields> show(const MetaFields& fields) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
