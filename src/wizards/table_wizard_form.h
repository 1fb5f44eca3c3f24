#pragma once
// Wizard_Table as the table commands ask it: the fields of one table, shown in basic or CSV mode, for the
// user to change and confirm. The window shows it with TableWizardDialog, the tests answer it with
// ScriptedTableWizard.
#include "wizards/table_fields.h"

#include <QList>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace tamsel {

// Asked when the user confirms: true lets the wizard close with the fields; false keeps it open (the
// user has been told why).
using TableConfirm = std::function<bool(const TableFields&)>;

class TableWizardForm {
public:
    virtual ~TableWizardForm() = default;
    // Shows the wizard modally over fields. The confirmed fields, or nothing when the user cancelled.
    virtual std::optional<TableFields> show(TableMode mode, const TableFields& fields, const TableConfirm& confirm) = 0;
};

// Answers from a script and keeps what it was shown.
class ScriptedTableWizard : public TableWizardForm {
public:
    // One press of OK after the edit made to the fields; an empty edit is Cancel. Taken in order; when
    // none is left, Cancel. An OK that is not confirmed leaves the wizard open for the next answer.
    using Edit = std::function<void(TableFields&)>;
    std::deque<Edit> answers;
    QList<std::pair<TableMode, TableFields>> shown;

    std::optional<TableFields> show(TableMode mode, const TableFields& fields, const TableConfirm& confirm) override {
        shown.append({mode, fields});
        TableFields current = fields;
        while (!answers.empty()) {
            const Edit edit = answers.front();
            answers.pop_front();
            if (!edit) return std::nullopt;
            edit(current);
            if (confirm(current)) return current;
        }
        return std::nullopt;
    }
};

}  // namespace tamsel
