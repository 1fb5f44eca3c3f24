#pragma once
// The state the main window keeps for the whole run, as plain data so that logic can be tested headless.
#include <QHash>
#include <QString>

namespace tamsel {

class ConfigTable;

struct ViewFlags {
    bool line_numbers = true;
    bool special_chars = false;
    bool toolbar = true;
};

// Which document is open or active, and whether it changed, is the document set's to know, not this.
struct WindowState {
    bool tabs_updating = true;
    ViewFlags view_flags;
    bool split_preview_on = false;
    bool full_preview_on = false;
    bool highlight_on = false;
    bool text_dirty = false;  // an edit since the last preview-tracking check
    quint64 edits = 0;        // counts every edit, for those who look now and then (the crash journal)
    float split_ratio = 0.5f;
    bool stop_request = false;

    bool close_cancelled = false;  // the user answered Cancel to the change prompt
    int caret_line = 1;            // 1-based caret line as the gutter last drew it
    int gutter_top = -1;           // first visible line as the gutter last drew it; -1 forces a redraw
    bool exit_request = false;     // a command asked the main window to close
};

// Enabled and visible flags of the commands, looked up by id without regard to case.
class CommandStates {
public:
    struct State {
        bool enabled = true;
        bool visible = true;
    };
    bool enabled(const QString& id) const { return states_.value(id.toLower()).enabled; }
    bool visible(const QString& id) const { return states_.value(id.toLower()).visible; }
    void set_enabled(const QString& id, bool on) { states_[id.toLower()].enabled = on; }
    void set_visible(const QString& id, bool on) { states_[id.toLower()].visible = on; }

private:
    QHash<QString, State> states_;
};

// The view slots of the configuration: line numbers, special characters, and the two browser commands.
void apply_view_settings(const ConfigTable& config, WindowState& state, CommandStates& commands);

// The preview-tracking check of the timer and of Enter: true when the split preview must be refreshed.
bool preview_tracking_check(WindowState& state, const ConfigTable& config);

}  // namespace tamsel
