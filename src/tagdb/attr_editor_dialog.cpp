#include "tagdb/attr_editor_dialog.h"

#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tamsel {

AttrEditorDialog::AttrEditorDialog(TagDatabase& db, DialogHost& dialogs, const QString& tag_name, const QString& attribute,
                                   QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(dialogs), edit_(open_attr_edit(db, tag_name, attribute)) {
    setObjectName(QStringLiteral("frm_dbATTR"));
    setWindowTitle(QStringLiteral("%1 Attribute Editor [%2]").arg(app_title, tag_name));
    name_ = new QLineEdit(edit_.copy.name, this);
    name_->setObjectName(QStringLiteral("attr_name"));
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("cb_class"));
    for (std::size_t t = 1; t < attr_type_names.size(); ++t) type_->addItem(attr_type_names[t].toString());
    type_->setCurrentIndex(std::max(0, edit_.copy.type - 1));
    choices_label_ = new QLabel(QStringLiteral("Choices"), this);
    choices_ = new QLineEdit(edit_.copy.choices, this);
    choices_->setObjectName(QStringLiteral("choice_list"));
    required_ = new QCheckBox(QStringLiteral("Is this attribute REQUIRED by Tag?"), this);
    required_->setObjectName(QStringLiteral("attr_required"));
    required_->setChecked(edit_.copy.required);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Command_0"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command_1"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);  // has no action, as it never had
    help->setObjectName(QStringLiteral("Command_2"));
    help->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &AttrEditorDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(name_, &QLineEdit::textChanged, this, &AttrEditorDialog::follow_fields);
    connect(choices_, &QLineEdit::textChanged, this, &AttrEditorDialog::follow_fields);
    connect(type_, &QComboBox::currentIndexChanged, this, &AttrEditorDialog::follow_fields);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Type"), type_);
    form->addRow(choices_label_, choices_);
    form->addRow(required_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok_, cancel, help}) buttons->addWidget(b);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);
    resize(420, sizeHint().height());
    follow_fields();
    name_->setFocus();
}

void AttrEditorDialog::follow_fields() {
    const bool choice = type_->currentIndex() + 1 == type_choice;
    choices_label_->setVisible(choice);
    choices_->setVisible(choice);
    ok_->setEnabled(attribute_acceptable(name_->text(), type_->currentIndex() + 1, choices_->text()));
}

bool AttrEditorDialog::ok() {
    const QString refusal = save_attribute(db_, edit_, name_->text(), type_->currentIndex() + 1, choices_->text(), required_->isChecked());
    if (!refusal.isEmpty()) {
        dialogs_.message_box({refusal, app_title, Buttons::Ok, Icon::Information});
        return false;
    }
    accept();
    return true;
}

}  // namespace tamsel
