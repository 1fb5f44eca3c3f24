#pragma once
// Every command of the menus, the tool bar and the pop-up menu: its id, where it sits, its caption (with
// "&" before the access letter), its tip and the rule that enables it. What a command does is registered
// by its feature (core/command_registry.h); a command nobody registered stays disabled.
#include <QStringView>
#include <array>
#include <span>

namespace tamsel {

// When a command is enabled (see command_rules.h).
enum class Rule {
    always,        // nothing restricts it
    file_menu,     // the full-screen preview is off
    view_menu,     // the full-screen preview is on, or a document shows
    doc_shown,     // a document shows
    selection,     // a document shows and something is selected
    paste,         // a document shows and the clipboard holds text
    text,          // a document shows and has text
    undo,          // the editor can undo
    close,         // a document is active and the full-screen preview is off
    match_brace,   // a JavaScript document with text
    html,          // the active document is HTML
    html_text,     // an HTML document with text
    view_source,   // an HTML document with text, or the full-screen preview is on
    use_ie,        // browser 1 is configured, and an HTML document with text
    use_netscape,  // browser 2 is configured, and an HTML document with text
    code_text,     // an HTML, VBScript, JavaScript or CSS document with text
    bookmarks_one, // the active document has a bookmark
    bookmarks_two, // the active document has two bookmarks or more
};

struct CommandDef {
    QStringView id;       // "-" is a separator
    QStringView parent;   // the menu it sits in; menu_bar for the top-level menus; empty when on no bar
    QStringView caption;
    QStringView tip;
    Rule rule;
};

inline constexpr QStringView menu_bar = u"Tamsel2001 Menu";
inline constexpr QStringView tool_bar = u"Tamsel2001Toolbar";
inline constexpr QStringView popup_bar = u"Tamsel2001 PopUp";
// The "Recent Files" menu, filled with the recent list.
inline constexpr QStringView recent_menu = u"ID_WindowList";

namespace command_rows {
using R = Rule;

// In menu order; a command with items of its own opens a submenu.
inline constexpr std::array<CommandDef, 96> command_table = {{
    {u"ID_TopMenu_File",             menu_bar,               u"&File",                              u"",                                     R::file_menu},
    {u"id_File_New",                 u"ID_TopMenu_File",     u"&New",                               u"",                                     R::always},
    {u"id_File_Open",                u"ID_TopMenu_File",     u"&Open",                              u"",                                     R::always},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"ID_WindowList",               u"ID_TopMenu_File",     u"Recent Files",                       u"",                                     R::always},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"ID_File_Close",               u"ID_TopMenu_File",     u"Close",                              u"",                                     R::close},
    {u"id_File_Save",                u"ID_TopMenu_File",     u"&Save",                              u"",                                     R::text},
    {u"ID_File_SaveAs",              u"ID_TopMenu_File",     u"Save As",                            u"",                                     R::text},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"ID_ImportTEXTFile",           u"ID_TopMenu_File",     u"Import TEXT File",                   u"",                                     R::doc_shown},
    {u"ID_ImportRTFFile",            u"ID_TopMenu_File",     u"Import RTF File",                    u"",                                     R::doc_shown},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"ID_SaveasHTMLTemplate",       u"ID_TopMenu_File",     u"Save as HTML Template",              u"",                                     R::text},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"id_Print",                    u"ID_TopMenu_File",     u"&Print",                             u"",                                     R::text},
    {u"id_Statistics_Document",      u"ID_TopMenu_File",     u"Document Statistics",                u"",                                     R::text},
    {u"id_Statistics_Website",       u"ID_TopMenu_File",     u"WebSite Statistics",                 u"",                                     R::always},
    {u"ID_PublishWebSitetoServer",   u"ID_TopMenu_File",     u"Publish WebSite to Server",          u"",                                     R::always},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"ID_Tamsel2001Preferences",    u"ID_TopMenu_File",     u"Tamsel2001 Preferences",             u"",                                     R::always},
    {u"ID_HTMLTagDatabase",          u"ID_TopMenu_File",     u"HTML Tag Database",                  u"",                                     R::always},
    {u"id_Database_CSS",             u"ID_TopMenu_File",     u"CSS Attributes Database",            u"Edit/Update CSS Attributes Database",  R::always},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"ID_HTMLHelp_System_Compiler", u"ID_TopMenu_File",     u"HTMLHelp System Compiler",           u"",                                     R::always},
    {u"-",                           u"ID_TopMenu_File",     u"",                                   u"",                                     R::always},
    {u"id_Menu_FileExit",            u"ID_TopMenu_File",     u"E&xit",                              u"",                                     R::always},

    {u"id_TopMenu_Edit",             menu_bar,               u"&Edit",                              u"",                                     R::doc_shown},
    {u"ID_Undo",                     u"id_TopMenu_Edit",     u"Undo",                               u"",                                     R::undo},
    {u"-",                           u"id_TopMenu_Edit",     u"",                                   u"",                                     R::always},
    {u"id_Edit_Cut",                 u"id_TopMenu_Edit",     u"&Cut",                               u"",                                     R::selection},
    {u"id_Edit_Copy",                u"id_TopMenu_Edit",     u"Copy",                               u"",                                     R::selection},
    {u"id_Edit_Paste",               u"id_TopMenu_Edit",     u"Paste",                              u"",                                     R::paste},
    {u"id_Edit_Clear",               u"id_TopMenu_Edit",     u"Cle&ar",                             u"Clear selected text",                  R::selection},
    {u"-",                           u"id_TopMenu_Edit",     u"",                                   u"",                                     R::always},
    {u"ID_SelectAll",                u"id_TopMenu_Edit",     u"SelectAll",                          u"",                                     R::text},

    {u"id_TopMenu_Search",           menu_bar,               u"Search",                             u"",                                     R::doc_shown},
    {u"id_Find",                     u"id_TopMenu_Search",   u"Find",                               u"",                                     R::text},
    {u"id_FindNext",                 u"id_TopMenu_Search",   u"Find Next",                          u"",                                     R::text},
    {u"ID_Replace",                  u"id_TopMenu_Search",   u"Replace",                            u"",                                     R::text},
    {u"ID_MatchBrace",               u"id_TopMenu_Search",   u"Match Brace {",                      u"",                                     R::match_brace},
    {u"-",                           u"id_TopMenu_Search",   u"",                                   u"",                                     R::always},
    {u"ID_GotoPageBegin",            u"id_TopMenu_Search",   u"Goto Page Begin",                    u"",                                     R::text},
    {u"ID_GotoPageEnd",              u"id_TopMenu_Search",   u"Goto Page End",                      u"",                                     R::text},
    {u"id_Goto_Line",                u"id_TopMenu_Search",   u"Goto Line #",                        u"",                                     R::text},
    {u"-",                           u"id_TopMenu_Search",   u"",                                   u"",                                     R::always},
    {u"id_BookMark_Add",             u"id_TopMenu_Search",   u"Toggle BookMark",                    u"Toggle current BookMark",              R::text},
    {u"id_BookMark_Next",            u"id_TopMenu_Search",   u"Goto Next BookMark",                 u"Goto Next BookMark",                   R::bookmarks_two},
    {u"id_BookMark_Prev",            u"id_TopMenu_Search",   u"Goto Previous Bookmark",             u"Goto Previous BookMark",               R::bookmarks_two},
    {u"id_BookMark_Clear",           u"id_TopMenu_Search",   u"Clear all BookMarks",                u"Clear all Bookmarks",                  R::bookmarks_one},

    {u"ID_TopMenu_View",             menu_bar,               u"&View",                              u"",                                     R::view_menu},
    {u"ID_ShowToolbar",              u"ID_TopMenu_View",     u"Show Toolbar",                       u"",                                     R::always},
    {u"ID_ShowLineNumbers",          u"ID_TopMenu_View",     u"Show Line Numbers",                  u"",                                     R::always},
    {u"ID_ViewSpecial",              u"ID_TopMenu_View",     u"View Special Characters",            u"",                                     R::always},
    {u"-",                           u"ID_TopMenu_View",     u"",                                   u"",                                     R::always},
    {u"ID_ViewSource",               u"ID_TopMenu_View",     u"View Source",                        u"",                                     R::view_source},
    {u"ID_PreviewinTamselWindow",    u"ID_TopMenu_View",     u"Split Screen Browser",               u"",                                     R::html_text},
    {u"ID_RefreshSplitScreen",       u"ID_TopMenu_View",     u"Refresh Split Screen",               u"",                                     R::always},
    {u"id_FullScreen",               u"ID_TopMenu_View",     u"Full Screen Browser",                u"",                                     R::always},
    {u"-",                           u"ID_TopMenu_View",     u"",                                   u"",                                     R::always},
    {u"ID_ViewinInternetExplorer",   u"ID_TopMenu_View",     u"View in Internet Explorer",          u"",                                     R::use_ie},
    {u"ID_ViewinNetscape",           u"ID_TopMenu_View",     u"View in Netscape",                   u"",                                     R::use_netscape},
    {u"-",                           u"ID_TopMenu_View",     u"",                                   u"",                                     R::always},
    {u"ID_UpdateSyntaxHighlighting", u"ID_TopMenu_View",     u"Update Syntax Highlighting",         u"",                                     R::html_text},
    {u"ID_RemoveSyntaxHighlighting", u"ID_TopMenu_View",     u"Remove Syntax Highlighting",         u"",                                     R::html_text},

    {u"id_TopMenu_Tools",            menu_bar,               u"&Tools",                             u"",                                     R::doc_shown},
    {u"ID_TableWizard",              u"id_TopMenu_Tools",    u"Table Wizard",                       u"",                                     R::html},
    {u"id_Tools_Table_Basic",        u"ID_TableWizard",      u"Basic HTML Table",                   u"",                                     R::always},
    {u"id_Tools_Table_CSV",          u"ID_TableWizard",      u"Import Comma Delimited File (CSV)",  u"",                                     R::always},
    {u"id_Tools_Calendar",           u"id_TopMenu_Tools",    u"Calendar Wizard",                    u"",                                     R::html},
    {u"id_FrameWizard",              u"id_TopMenu_Tools",    u"Frame Wizard",                       u"",                                     R::always},
    {u"id_Tools_List",               u"id_TopMenu_Tools",    u"List Wizard",                        u"",                                     R::selection},
    {u"id_Tools_MetaTag",            u"id_TopMenu_Tools",    u"Meta Tag Wizard",                    u"",                                     R::always},
    {u"-",                           u"id_TopMenu_Tools",    u"",                                   u"",                                     R::always},
    {u"id_InsertStyleSheet",         u"id_TopMenu_Tools",    u"Insert StyleSheet Link",             u"",                                     R::html},
    {u"ID_InsertVBScriptLink",       u"id_TopMenu_Tools",    u"Insert VBScript Link",               u"",                                     R::html},
    {u"ID_InsertJavaScriptLink",     u"id_TopMenu_Tools",    u"Insert JavaScript Link",             u"",                                     R::html},
    {u"-",                           u"id_TopMenu_Tools",    u"",                                   u"",                                     R::always},
    {u"ID_SetDefaultLang",           u"id_TopMenu_Tools",    u"Set Default Lang",                   u"",                                     R::always},
    {u"ID_SetVBScript",              u"ID_SetDefaultLang",   u"Set Default as VBScript",            u"",                                     R::always},
    {u"ID_SetJavaScript",            u"ID_SetDefaultLang",   u"Set JavaScript",                     u"",                                     R::always},
    {u"-",                           u"id_TopMenu_Tools",    u"",                                   u"",                                     R::always},
    {u"ID_FunctionFinder",           u"id_TopMenu_Tools",    u"Function Finder",                    u"",                                     R::code_text},
    {u"id_Cleanup_HTML_Code",        u"id_TopMenu_Tools",    u"Cleanup HTML Code",                  u"Reformat/Cleanup HTML Code",           R::code_text},

    {u"id_TopMenu_Help",             menu_bar,               u"&Help",                              u"",                                     R::always},
    {u"id_Help_Contents",            u"id_TopMenu_Help",     u"&Contents",                          u"",                                     R::always},
    {u"id_Help_Index",               u"id_TopMenu_Help",     u"Index",                              u"",                                     R::always},
    {u"-",                           u"id_TopMenu_Help",     u"",                                   u"",                                     R::always},
    {u"id_Help_HTML",                u"id_TopMenu_Help",     u"HTML Reference",                     u"",                                     R::always},
    {u"id_Help_CSS",                 u"id_TopMenu_Help",     u"CSS Reference",                      u"",                                     R::always},
    {u"-",                           u"id_TopMenu_Help",     u"",                                   u"",                                     R::always},
    {u"id_Tamsel2001Homepage",       u"id_TopMenu_Help",     u"Tamsel2001 Homepage",                u"",                                     R::always},
    {u"id_Menu_About",               u"id_TopMenu_Help",     u"About Tamsel2001",                   u"",                                     R::always},

    {u"id_ToolsToolbar",             u"",                    u"&Toolbar",                           u"",                                     R::always},
    {u"id_ToolsStatusBar",           u"",                    u"&Status Bar",                        u"",                                     R::always},
    {u"id_Menu_Close",               u"",                    u"Close",                              u"",                                     R::always},
}};
}  // namespace command_rows
using command_rows::command_table;

inline constexpr std::array<QStringView, 21> toolbar_ids = {
    u"id_File_New", u"id_File_Open", u"id_File_Save", u"-", u"id_Edit_Cut", u"id_Edit_Copy", u"id_Edit_Paste", u"-",
    u"id_Find", u"id_FindNext", u"ID_Replace", u"ID_Undo", u"-", u"id_BookMark_Add", u"id_BookMark_Prev",
    u"id_BookMark_Next", u"id_BookMark_Clear", u"-", u"ID_PreviewinTamselWindow", u"ID_ViewinInternetExplorer",
    u"ID_ViewinNetscape",
};

inline constexpr std::array<QStringView, 3> popup_ids = {u"id_Edit_Cut", u"id_Edit_Copy", u"id_Edit_Paste"};

// The row of a command id (exact match), or nothing.
const CommandDef* find_command(QStringView id);

}  // namespace tamsel
