#include "wizards/meta_wizard_dialog.h"

#include "platform/control_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tamsel {
namespace {

QLineEdit* line(const QString& text, int index, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(indexed_name("Text", index));
    return edit;
}

}  // namespace

MetaWizardDialog::MetaWizardDialog(const MetaFields& f, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Wizard_MetaTags"));
    setWindowTitle(QStringLiteral("Meta Tag Wizard"));
    title_ = line(f.title, 0, this);
    description_ = line(f.description, 1, this);
    keywords_ = new QPlainTextEdit(f.keywords, this);
    keywords_->setObjectName(indexed_name("Text", 2));
    keywords_->setTabChangesFocus(true);
    keywords_->setFixedHeight(keywords_->fontMetrics().lineSpacing() * 4 + 12);
    author_ = line(f.author, 3, this);
    // Shown as the form always had it; what is typed there is not written into the page.
    auto* expires = line(QString(), 4, this);
    expires->setMaximumWidth(80);
    auto* expires_row = new QHBoxLayout;
    expires_row->addWidget(expires);
    expires_row->addWidget(new QLabel(QStringLiteral("Days from now"), this));
    expires_row->addStretch();

    character_set_ = new QComboBox(this);
    character_set_->setObjectName(QStringLiteral("Combo"));
    for (const QStringView name : meta_character_sets) character_set_->addItem(name.toString());
    if (character_set_->findText(f.character_set) < 0) character_set_->addItem(f.character_set);  // the page's own
    character_set_->setCurrentIndex(character_set_->findText(f.character_set));

    auto* robots = new QGroupBox(QStringLiteral("Robots"), this);
    no_follow_ = new QCheckBox(QStringLiteral("NOFollow"), robots);
    no_follow_->setObjectName(indexed_name("Check", 0));
    no_follow_->setChecked(f.no_follow);
    no_index_ = new QCheckBox(QStringLiteral("NOIndex"), robots);
    no_index_->setObjectName(indexed_name("Check", 1));
    no_index_->setChecked(f.no_index);
    auto* robots_row = new QHBoxLayout(robots);
    robots_row->addWidget(no_follow_);
    robots_row->addWidget(no_index_);
    robots_row->addStretch();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Title"), title_);
    form->addRow(QStringLiteral("Description"), description_);
    form->addRow(QStringLiteral("Keywords"), keywords_);
    form->addRow(QStringLiteral("Author"), author_);
    form->addRow(QStringLiteral("Expires"), expires_row);
    form->addRow(QStringLiteral("Character Set"), character_set_);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(indexed_name("Command", 0));
    auto* finish = new QPushButton(QStringLiteral("Finish"), this);
    finish->setObjectName(indexed_name("Command", 1));
    finish->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(finish, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(finish);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(robots);
    column->addLayout(buttons);
    resize(520, sizeHint().height());
}

MetaFields MetaWizardDialog::fields() const {
    return {title_->text(),           description_->text(), keywords_->toPlainText(), author_->text(),
            character_set_->currentText(), no_follow_->isChecked(), no_index_->isChecked()};
}

std::optional<MetaFields> QtMetaWizardForm::show(const MetaFields& fields) {
    MetaWizardDialog dialog(fields, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.fields();
}

}  // namespace tamsel
