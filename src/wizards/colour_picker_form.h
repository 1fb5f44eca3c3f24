#pragma once
// Wizard_Color as its callers ask it: start from a colour, answer with the colour chosen on "OK" or with
// nothing on "Cancel". The property inspector and the settings dialog open it for their colour fields.
#include "wizards/colour_values.h"

#include <deque>
#include <optional>

namespace tamsel {

class ColourPickerForm {
public:
    virtual ~ColourPickerForm() = default;
    virtual std::optional<PickedColour> pick_color(PickedColour start) = 0;
};

// Answers from a script: the next colour, or Cancel when none is left.
class ScriptedColourPicker : public ColourPickerForm {
public:
    std::deque<std::optional<PickedColour>> answers;
    QList<PickedColour> started_from;

    std::optional<PickedColour> pick_color(PickedColour start) override {
        started_from.append(start);
        if (answers.empty()) return std::nullopt;
        const std::optional<PickedColour> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace tamsel
