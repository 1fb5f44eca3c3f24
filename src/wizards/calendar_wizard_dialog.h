#pragma once
// Wizard_Calendar: the month, the year and the size of a calendar; "Create" answers with them, "Cancel"
// and the window frame with nothing.
#include "wizards/calendar_form.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;

namespace tamsel {

class CalendarWizardDialog : public QDialog {
    Q_OBJECT
public:
    // Opens at the month of today; the years run from five before today's to five after it.
    explicit CalendarWizardDialog(const QDate& today, QWidget* parent = nullptr);
    // What "Create" answered; nothing while open, after "Cancel" and when the frame closed it.
    std::optional<CalendarChoice> choice() const { return choice_; }

private:
    CalendarChoice current() const;

    QComboBox* month_ = nullptr;
    QComboBox* year_ = nullptr;
    QButtonGroup* size_ = nullptr;
    std::optional<CalendarChoice> choice_;
};

// The calendar form of the window: the dialog, modal over parent.
class QtCalendarForm : public CalendarForm {
public:
    explicit QtCalendarForm(QWidget* parent) : parent_(parent) {}
    std::optional<CalendarChoice> ask(const QDate& today) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
