#pragma once
// Which commands are enabled, computed from a snapshot of the state: never stored, always derived.
#include "app/command_table.h"

namespace tamsel {

class Clipboard;
class CommandRegistry;
class CommandStates;
class Workspace;

struct CommandSnapshot {
    bool doc_active = false;  // a document is active, so its editor (or its preview) shows
    bool full_preview_on = false;
    int active_type = 1;
    bool has_text = false;       // the editor text is not empty
    bool has_selection = false;  // the selection is not empty
    bool clipboard_has_text = false;
    bool can_undo = false;
    int bookmark_count = 0;
    bool use_ie = false;
    bool use_netscape = false;
};

// Whether the rule holds in the snapshot. While the full-screen preview is on, no document counts as
// shown, so nothing that needs text or a selection is enabled.
bool rule_holds(Rule rule, const CommandSnapshot& s);

// Enabled flags of every command: its rule, and only for commands that have a handler.
void refresh_command_states(const CommandSnapshot& s, const CommandRegistry& handlers, CommandStates& states);

// What the rules look at, taken from the workspace: the active document, the editor showing it, the
// clipboard, the configured browsers.
CommandSnapshot take_snapshot(Workspace& ws, const Clipboard& clipboard);

// Shows or hides the Edit, View, Search and Tools menus and the Save and Save As commands.
void show_document_commands(CommandStates& states, bool visible);

}  // namespace tamsel
