#include "wizards/calendar_wizard_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tamsel {
namespace {

constexpr int years_each_side = 5;

struct SizeOption {
    CalendarSize size;
    const char* caption;
};

// The option buttons are CalSize_0 (Small), CalSize_1 (Medium) and CalSize_2 (Large).
constexpr SizeOption size_options[] = {
    {CalendarSize::small, "&Small"},
    {CalendarSize::medium, "&Medium"},
    {CalendarSize::large, "&Large"},
};

QPushButton* command_button(const QString& caption, int index, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QStringLiteral("Command_%1").arg(index));
    return button;
}

}  // namespace

CalendarWizardDialog::CalendarWizardDialog(const QDate& today, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Wizard_Calendar"));
    setWindowTitle(QStringLiteral("Calendar Wizard"));
    auto* column = new QVBoxLayout(this);

    auto* fields = new QFormLayout;
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("cb_month"));
    for (const QStringView name : month_names) month_->addItem(name.toString());
    month_->setCurrentIndex(today.month() - 1);
    fields->addRow(QStringLiteral("M&onth"), month_);
    year_ = new QComboBox(this);
    year_->setObjectName(QStringLiteral("cb_year"));
    for (int y = today.year() - years_each_side; y <= today.year() + years_each_side; ++y) year_->addItem(QString::number(y), y);
    year_->setCurrentIndex(years_each_side);
    fields->addRow(QStringLiteral("&Year"), year_);
    column->addLayout(fields);

    auto* sizes = new QGroupBox(QStringLiteral("Calendar Size"), this);
    auto* size_column = new QVBoxLayout(sizes);
    size_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(std::size(size_options)); ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(size_options[i].caption), sizes);
        option->setObjectName(QStringLiteral("CalSize_%1").arg(i));
        size_->addButton(option, static_cast<int>(size_options[i].size));
        size_column->addWidget(option);
    }
    size_->button(static_cast<int>(CalendarSize::small))->setChecked(true);
    column->addWidget(sizes);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* cancel = command_button(QStringLiteral("Cancel"), 0, this);
    QPushButton* create = command_button(QStringLiteral("&Create"), 1, this);
    create->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(create, &QPushButton::clicked, this, [this] {
        choice_ = current();
        accept();
    });
    buttons->addWidget(cancel);
    buttons->addWidget(create);
    column->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

CalendarChoice CalendarWizardDialog::current() const {
    return {static_cast<CalendarSize>(size_->checkedId()), month_text(month_->currentIndex() + 1, year_->currentData().toInt())};
}

std::optional<CalendarChoice> QtCalendarForm::ask(const QDate& today) {
    CalendarWizardDialog dialog(today, parent_);
    dialog.exec();
    return dialog.choice();
}

}  // namespace tamsel
