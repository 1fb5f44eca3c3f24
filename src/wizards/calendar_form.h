#pragma once
// Wizard_Calendar as the calendar command asks it: a month, a year and a size, or Cancel. The window
// shows it with CalendarWizardDialog, the tests answer it with ScriptedCalendarForm.
#include "wizards/calendar.h"

#include <QDate>
#include <QList>
#include <deque>
#include <optional>

namespace tamsel {

struct CalendarChoice {
    CalendarSize size = CalendarSize::small;
    QString month;  // "MM/YYYY"
};

class CalendarForm {
public:
    virtual ~CalendarForm() = default;
    // Shows the wizard modally, opening at the month of today; nothing when the user cancelled.
    virtual std::optional<CalendarChoice> ask(const QDate& today) = 0;
};

// Answers from a script: each answer in turn, Cancel when none is left.
class ScriptedCalendarForm : public CalendarForm {
public:
    std::deque<std::optional<CalendarChoice>> answers;
    QList<QDate> shown;  // the "today" of each showing

    std::optional<CalendarChoice> ask(const QDate& today) override {
        shown.append(today);
        if (answers.empty()) return std::nullopt;
        // Taken out through a holder that pops on leaving: copying the optional into a local trips a
        // false uninitialised-use warning of the compiler in some translation units.
        struct PopOnExit {
            std::deque<std::optional<CalendarChoice>>& queue;
            ~PopOnExit() { queue.pop_front(); }
        } pop{answers};
        return answers.front();
    }
};

}  // namespace tamsel
