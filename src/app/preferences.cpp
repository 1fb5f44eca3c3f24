#include "app/preferences.h"

#include "app/document_colouring.h"
#include "app/session.h"
#include "app/shell_view.h"
#include "app/window_state.h"
#include "app/workspace.h"
#include "core/form_set.h"
#include "settings/settings_form.h"
#include "settings/settings_rules.h"
#include "wizards/colour_picker_form.h"

namespace tamsel {

bool open_preferences(Session& s) {
    Workspace& ws = s.workspace();
    SettingsForm* form = s.forms().find<SettingsForm>();
    if (!form) return false;
    ConfigTable edited = ws.config;
    SettingsRequest request;
    request.drives = local_drive_entries();
    request.picker = s.forms().find<ColourPickerForm>();
    request.find_tools = [&ws](const QStringList& drives, ConfigTable& config) {
        ws.tools.find_tools(drives, qEnvironmentVariable("PATH"));
        ws.tools.apply(config);
    };
    const bool confirmed = form->show(edited, request);
    if (!confirmed) {
        // The programs a search found stay found, as the search itself would keep them.
        for (const int slot : {ie_path, netscape_path, htmlhelp_path}) ws.config.set_value(slot, edited.config_text(slot));
        ws.config.validate_tool_paths();
        return false;
    }
    ws.config = edited;
    ws.config.save_config(ws.store);
    apply_view_settings(ws.config, ws.window, ws.commands);
    s.view().refresh_view();
    if (const Document* doc = ws.documents.active()) {
        s.view().set_document_style(doc->line_ends, ws.config.config_int(font_size));
        if (ws.window.highlight_on) s.colouring().update_colouring();
    }
    s.refresh_command_states();
    return true;
}

}  // namespace tamsel
