#include "app/command_rules.h"

#include "app/document_kinds.h"
#include "app/window_state.h"

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

void refresh_command_states(const CommandSnapshot& s, CommandStates& states) {
    for (const CommandDef& c : command_table) {
        if (c.id == u"-") continue;
        const QString id = c.id.toString();
        const bool enabled = c.wired == Wired::yes && rule_holds(c.rule, s);
        if (states.enabled(id) != enabled) states.set_enabled(id, enabled);
    }
}

void show_document_commands(CommandStates& states, bool visible) {
    for (QStringView id : {u"id_TopMenu_Edit", u"ID_TopMenu_View", u"id_TopMenu_Search", u"id_TopMenu_Tools",
                           u"id_File_Save", u"ID_File_SaveAs"})
        states.set_visible(id.toString(), visible);
}

}  // namespace tamsel
