#pragma once
// Wizard_Frame as the frame wizard command asks it: the user lays out a frameset and finishes, or
// cancels. The window shows it with FrameWizardDialog, the tests answer it with ScriptedFrameWizard.
#include "wizards/frame_layout.h"

#include <deque>
#include <optional>

namespace tamsel {

class FrameWizardForm {
public:
    virtual ~FrameWizardForm() = default;
    // Shows the wizard modally; the layout when the user finished, nothing when the user cancelled.
    virtual std::optional<FrameLayout> ask() = 0;
};

// Answers from a script: each answer in turn, Cancel when none is left.
class ScriptedFrameWizard : public FrameWizardForm {
public:
    std::deque<std::optional<FrameLayout>> answers;
    int showings = 0;

    std::optional<FrameLayout> ask() override {
        ++showings;
        if (answers.empty()) return std::nullopt;
        std::optional<FrameLayout> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace tamsel
