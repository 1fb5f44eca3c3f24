#include "wizards/new_document_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tamsel {
namespace {

constexpr int kinds_per_row = 3;
constexpr QSize kind_button_size(136, 96);
constexpr QSize kind_icon_size(48, 48);

QToolButton* kind_button(const NewDocumentKind& kind, const DocumentIcons& icons, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(kind.id.toString());
    button->setText(kind.caption.toString());
    button->setToolTip(kind.tip.toString());
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(kind_icon_size);
    if (icons) button->setIcon(icons(kind.document_type));
    button->setFixedSize(kind_button_size);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

NewDocumentDialog::NewDocumentDialog(const DocumentIcons& icons, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_NewDoc"));
    setWindowTitle(QStringLiteral("Create New Document"));
    auto* column = new QVBoxLayout(this);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("SSActiveToolBars1"));
    auto* grid = new QGridLayout(bar);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < static_cast<int>(new_document_kinds.size()); ++i) {
        const NewDocumentKind& kind = new_document_kinds[i];
        QToolButton* button = kind_button(kind, icons, bar);
        connect(button, &QToolButton::clicked, this, [this, id = kind.id.toString()] {
            chosen_ = id;
            accept();
        });
        grid->addWidget(button, i / kinds_per_row, i % kinds_per_row);
    }
    column->addWidget(bar);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    setFixedSize(sizeHint());
}

QString QtNewDocumentForm::choose() {
    NewDocumentDialog dialog(icons_, parent_);
    dialog.exec();
    return dialog.chosen();
}

}  // namespace tamsel
