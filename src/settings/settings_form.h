#pragma once
// frm_Settings as the preferences command asks it: the configuration to edit in place; true on "OK".
// The search for the browsers and the help compiler runs through find_tools, which fills the path slots
// of the configuration it is given. The window shows it with SettingsDialog, the tests answer it with
// ScriptedSettingsForm.
#include "settings/config_table.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace tamsel {

class ColourPickerForm;

struct SettingsRequest {
    QStringList drives;                                    // for Drivelist
    std::function<void(const QStringList& drives, ConfigTable& config)> find_tools;
    ColourPickerForm* picker = nullptr;                    // for the colour patches
};

class SettingsForm {
public:
    virtual ~SettingsForm() = default;
    virtual bool show(ConfigTable& config, const SettingsRequest& request) = 0;
};

// Changes the configuration by the next edit of the script and confirms, or cancels when none is left.
class ScriptedSettingsForm : public SettingsForm {
public:
    std::deque<std::function<void(ConfigTable&)>> edits;
    int shown = 0;

    bool show(ConfigTable& config, const SettingsRequest&) override {
        ++shown;
        if (edits.empty()) return false;
        edits.front()(config);
        edits.pop_front();
        return true;
    }
};

}  // namespace tamsel
