#pragma once
// Wizard_MetaTags as the meta tag command asks it: the fields read from the page, for the user to edit;
// "Finish" answers with the fields as they stand, "Cancel" with nothing. The window shows it with
// MetaWizardDialog, the tests answer it with ScriptedMetaWizard.
#include "wizards/meta_wizard.h"

#include <deque>
#include <functional>
#include <optional>

namespace tamsel {

class MetaWizardForm {
public:
    virtual ~MetaWizardForm() = default;
    virtual std::optional<MetaFields> show(const MetaFields& fields) = 0;
};

// Finishes with the fields changed by the next edit of the script, or cancels when cancel is set.
class ScriptedMetaWizard : public MetaWizardForm {
public:
    std::deque<std::function<void(MetaFields&)>> edits;
    bool cancel = false;
    QList<MetaFields> shown;

    std::optional<MetaFields> show(const MetaFields& fields) override {
        shown.append(fields);
        if (cancel) return std::nullopt;
        MetaFields answer = fields;
        if (!edits.empty()) {
            edits.front()(answer);
            edits.pop_front();
        }
        return answer;
    }
};

}  // namespace tamsel
