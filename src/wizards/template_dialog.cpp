#include "wizards/template_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tamsel {

TemplateDialog::TemplateDialog(const QList<TemplateEntry>& entries, const QIcon& icon, QWidget* parent)
    : QDialog(parent), entries_(entries) {
    setObjectName(QStringLiteral("frm_Template"));
    setWindowTitle(QStringLiteral("Load Document Template"));
    auto* column = new QVBoxLayout(this);
    auto* hint = new QLabel(entries.isEmpty() ? QStringLiteral("There are no templates yet: \"Save as HTML Template\" "
                                                               "keeps a page as one.")
                                              : QStringLiteral("Choose the template of the new page:"),
                            this);
    hint->setWordWrap(true);
    column->addWidget(hint);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TemplateEntry& e : entries) new QListWidgetItem(icon, e.name, list_);
    hint->setBuddy(list_);
    column->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* load = new QPushButton(QStringLiteral("&Load"), this);
    load->setObjectName(QStringLiteral("Command_0"));
    load->setDefault(true);
    load->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command_1"));
    buttons->addWidget(load);
    buttons->addWidget(cancel);
    column->addLayout(buttons);

    connect(list_, &QListWidget::itemSelectionChanged, this, [this, load] { load->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this, load] {
        if (load->isEnabled()) confirm();
    });
    connect(load, &QPushButton::clicked, this, &TemplateDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 320);
}

void TemplateDialog::confirm() {
    const int row = list_->currentRow();
    if (row < 0 || row >= entries_.size() || list_->selectedItems().isEmpty()) return;
    chosen_ = entries_[row].path;
    accept();
}

std::optional<QString> QtTemplateForm::choose(const QList<TemplateEntry>& entries) {
    TemplateDialog dialog(entries, icons_ ? icons_(doc_html) : QIcon(), parent_);
    dialog.exec();
    return dialog.chosen();
}

}  // namespace tamsel
