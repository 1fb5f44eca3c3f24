#include "app/window_state.h"

#include "settings/config_table.h"

namespace tamsel {

void apply_view_settings(const ConfigTable& config, WindowState& state, CommandStates& commands) {
    state.view_flags.line_numbers = config.config_flag(show_line_number);
    state.view_flags.special_chars = config.config_flag(show_chars);
    commands.set_visible(QStringLiteral("ID_ViewinInternetExplorer"), config.config_flag(use_ie));
    commands.set_visible(QStringLiteral("ID_ViewinNetscape"), config.config_flag(use_netscape));
}

bool preview_tracking_check(WindowState& state, const ConfigTable& config) {
    if (!state.text_dirty) return false;
    state.text_dirty = false;
    return config.autotracker_on() && state.split_preview_on;
}

}  // namespace tamsel
