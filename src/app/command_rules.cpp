#include "app/command_rules.h"

#include "app/workspace.h"
#include "core/command_registry.h"
#include "core/document_kinds.h"
#include "platform/clipboard.h"
#include "platform/editor_buffer.h"

#include <QSet>

namespace tamsel {

bool rule_holds(Rule rule, const CommandSnapshot& s) {
    const bool shown = s.doc_active && !s.full_preview_on;
    const bool text = shown && (s.has_text || s.has_selection);
    const bool html_text = s.active_type == doc_html && text;
    switch (rule) {
    case Rule::always: return true;
    case Rule::file_menu: return !s.full_preview_on;
    case Rule::view_menu: return s.full_preview_on || shown;
    case Rule::doc_shown: return shown;
    case Rule::selection: return shown && s.has_selection;
    case Rule::paste: return shown && s.clipboard_has_text;
    case Rule::text: return text;
    case Rule::undo: return s.can_undo;
    case Rule::close: return s.doc_active && !s.full_preview_on;
    case Rule::match_brace: return s.active_type == doc_javascript && text;
    case Rule::html: return s.active_type == doc_html;
    case Rule::html_text: return html_text;
    case Rule::view_source: return html_text || s.full_preview_on;
    case Rule::use_ie: return s.use_ie && html_text;
    case Rule::use_netscape: return s.use_netscape && html_text;
    case Rule::code_text: return s.active_type >= doc_html && s.active_type <= doc_css && text;
    case Rule::bookmarks_one: return s.doc_active && s.bookmark_count >= 1;
    case Rule::bookmarks_two: return s.doc_active && s.bookmark_count >= 2;
    }
    return false;
}

void refresh_command_states(const CommandSnapshot& s, const CommandRegistry& handlers, CommandStates& states) {
    // A submenu works as soon as one of its items does: it needs no handler of its own.
    QSet<QStringView> menus_with_work;
    for (const CommandDef& c : command_table)
        if (c.id != u"-" && handlers.has(c.id.toString())) menus_with_work.insert(c.parent);
    for (const CommandDef& c : command_table) {
        if (c.id == u"-") continue;
        const QString id = c.id.toString();
        const bool enabled = (handlers.has(id) || menus_with_work.contains(c.id)) && rule_holds(c.rule, s);
        if (states.enabled(id) != enabled) states.set_enabled(id, enabled);
    }
}

CommandSnapshot take_snapshot(Workspace& ws, const Clipboard& clipboard) {
    const Document* doc = ws.documents.active();
    EditorBuffer& editor = ws.documents.editor();
    CommandSnapshot s;
    s.doc_active = doc != nullptr;
    s.full_preview_on = ws.window.full_preview_on;
    s.active_type = ws.documents.active_type();
    s.has_text = editor.length() > 0;
    s.has_selection = editor.selection_length() > 0;
    s.clipboard_has_text = clipboard.has_text();
    s.can_undo = editor.can_undo();
    s.bookmark_count = doc ? doc->bookmarks.count : 0;
    s.use_ie = ws.config.config_flag(use_ie);
    s.use_netscape = ws.config.config_flag(use_netscape);
    return s;
}

void show_document_commands(CommandStates& states, bool visible) {
    for (QStringView id : {u"id_TopMenu_Edit", u"ID_TopMenu_View", u"id_TopMenu_Search", u"id_TopMenu_Tools",
                           u"id_File_Save", u"ID_File_SaveAs"})
        states.set_visible(id.toString(), visible);
}

}  // namespace tamsel
