#include "find/function_list_dialog.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace tamsel {

FunctionListDialog::FunctionListDialog(const QStringList& names, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_funcfind"));
    setWindowTitle(QStringLiteral("Function/Sub List"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->addItems(names);
    if (list_->count() > 0) list_->setCurrentRow(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    resize(320, 360);
    const auto pick = [this](QListWidgetItem* item) {
        chosen_ = item->text();
        accept();
    };
    connect(list_, &QListWidget::itemClicked, this, pick);
    connect(list_, &QListWidget::itemActivated, this, pick);
}

std::optional<QString> QtFunctionListForm::choose(const QStringList& names) {
    FunctionListDialog dialog(names, parent_);
    dialog.exec();
    return dialog.chosen();
}

}  // namespace tamsel
