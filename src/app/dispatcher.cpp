#include "app/dispatcher.h"

#include "app/cleanup_command.h"
#include "app/document_colouring.h"
#include "app/documents.h"
#include "app/preview.h"
#include "app/shell_view.h"
#include "app/typing_rules.h"
#include "app/workspace.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"

#include <array>

namespace tamsel {
namespace {

// The maker's web site, opened by the homepage command.
const QString homepage_url = QStringLiteral("http://www.tamsel2001.com/");

}  // namespace

std::span<const Dispatcher::Route> Dispatcher::routes() {
    static constexpr std::array<Route, 40> table = {{
        {u"ID_TopMenu_File",             &Dispatcher::refresh_states},
        {u"id_TopMenu_Edit",             &Dispatcher::refresh_states},
        {u"id_TopMenu_Search",           &Dispatcher::refresh_states},
        {u"id_TopMenu_Tools",            &Dispatcher::refresh_states},
        {u"ID_TopMenu_View",             &Dispatcher::refresh_states},
        {u"id_TopMenu_Help",             &Dispatcher::refresh_states},
        {u"id_TopMenu_Windows",          &Dispatcher::refresh_states},
        {u"ID_WindowList",               &Dispatcher::refresh_states},
        {u"id_File_New",                 &Dispatcher::file_new},
        {u"id_File_Open",                &Dispatcher::file_open},
        {u"ID_File_Close",               &Dispatcher::file_close},
        {u"id_File_Save",                &Dispatcher::file_save},
        {u"ID_File_SaveAs",              &Dispatcher::file_save_as},
        {u"ID_SaveasHTMLTemplate",       &Dispatcher::save_template},
        {u"ID_PublishWebSitetoServer",   &Dispatcher::publish},
        {u"id_Menu_FileExit",            &Dispatcher::file_exit},
        {u"ID_Undo",                     &Dispatcher::edit_undo},
        {u"id_Edit_Cut",                 &Dispatcher::edit_cut},
        {u"id_Edit_Copy",                &Dispatcher::edit_copy},
        {u"id_Edit_Paste",               &Dispatcher::edit_paste},
        {u"id_Edit_Clear",               &Dispatcher::edit_clear},
        {u"ID_SelectAll",                &Dispatcher::select_all},
        {u"ID_GotoPageBegin",            &Dispatcher::page_begin},
        {u"ID_GotoPageEnd",              &Dispatcher::page_end},
        {u"ID_ShowToolbar",              &Dispatcher::toggle_toolbar},
        {u"ID_ShowLineNumbers",          &Dispatcher::toggle_line_numbers},
        {u"ID_ViewSpecial",              &Dispatcher::toggle_special},
        {u"ID_ViewSource",               &Dispatcher::view_source},
        {u"ID_PreviewinTamselWindow",    &Dispatcher::split_preview},
        {u"ID_RefreshSplitScreen",       &Dispatcher::refresh_preview},
        {u"id_FullScreen",               &Dispatcher::full_preview},
        {u"ID_ViewinInternetExplorer",   &Dispatcher::view_browser_1},
        {u"ID_ViewinNetscape",           &Dispatcher::view_browser_2},
        {u"ID_UpdateSyntaxHighlighting", &Dispatcher::update_colouring},
        {u"ID_RemoveSyntaxHighlighting", &Dispatcher::remove_colouring},
        {u"id_Cleanup_HTML_Code",        &Dispatcher::cleanup_html},
        {u"id_Tamsel2001Homepage",       &Dispatcher::homepage},
        {u"id_Menu_About",               &Dispatcher::about},
        {u"id_ToolsToolbar",             &Dispatcher::nothing},
        {u"id_ToolsStatusBar",           &Dispatcher::nothing},
    }};
    return table;
}

QStringList Dispatcher::routed_ids() {
    QStringList ids;
    for (const Route& r : routes()) ids << r.id.toString();
    return ids;
}

void Dispatcher::dispatch_command(const QString& id) {
    if (ws_.window.tabs_updating) {
        if (id == u"id_Cleanup_HTML_Code") ws_.dialogs.beep();
        return;
    }
    for (const Route& r : routes()) {
        if (r.id == id) {
            (this->*r.run)();
            return;
        }
    }
    open_recent_item(id);
}

void Dispatcher::open_recent_item(const QString& id) {
    const QList<RecentMenuItem> items = ws_.recent.menu_items();
    for (qsizetype p = 0; p < items.size(); ++p) {
        if (items[p].id.compare(id, Qt::CaseInsensitive) == 0) {
            documents_.open_recent(static_cast<int>(p));
            return;
        }
    }
}

void Dispatcher::refresh_states() { view_.refresh_command_states(); }

void Dispatcher::file_new() { documents_.new_from_choice(choose_new_document ? choose_new_document() : QString()); }

void Dispatcher::file_open() {
    documents_.open_command();
    view_.refresh_command_states();
}

void Dispatcher::file_close() {
    documents_.close_document();
    view_.refresh_command_states();
}

void Dispatcher::file_save() { documents_.save_document(false); }
void Dispatcher::file_save_as() { documents_.save_document(true); }
void Dispatcher::save_template() { documents_.save_template(); }
void Dispatcher::file_exit() { ws_.window.exit_request = true; }

void Dispatcher::clipboard(QChar letter) {
    if (clipboard_command(letter, editor_, clipboard_)) view_.refresh_gutter();
    view_.refresh_command_states();
}

void Dispatcher::edit_cut() { clipboard(QLatin1Char('X')); }
void Dispatcher::edit_copy() { clipboard(QLatin1Char('C')); }
void Dispatcher::edit_paste() { clipboard(QLatin1Char('V')); }
void Dispatcher::edit_undo() { clipboard(QLatin1Char('Z')); }

void Dispatcher::edit_clear() {
    if (editor_.selected_text().isEmpty()) return;
    editor_.replace_selection(QString());
    view_.refresh_gutter();
    mark_changed(ws_.window);
}

void Dispatcher::select_all() {
    editor_.set_selection(0, editor_.length());
    view_.refresh_command_states();
}

void Dispatcher::page_begin() { editor_.set_selection(0, 0); }
void Dispatcher::page_end() { editor_.set_selection(editor_.length(), 0); }

void Dispatcher::toggle_line_numbers() {
    ws_.window.view_flags.line_numbers = !ws_.window.view_flags.line_numbers;
    view_.refresh_view();
}

void Dispatcher::toggle_special() {
    ws_.window.view_flags.special_chars = !ws_.window.view_flags.special_chars;
    view_.refresh_view();
}

void Dispatcher::toggle_toolbar() {
    ws_.window.view_flags.toolbar = !ws_.window.view_flags.toolbar;
    view_.refresh_view();
}

void Dispatcher::split_preview() { preview_.toggle_split(); }
void Dispatcher::refresh_preview() { preview_.refresh_preview(); }
void Dispatcher::full_preview() { preview_.toggle_full(); }
void Dispatcher::view_source() { preview_.view_source(); }
void Dispatcher::view_browser_1() { preview_.view_in_browser(1); }
void Dispatcher::view_browser_2() { preview_.view_in_browser(2); }

void Dispatcher::update_colouring() { colouring_.update_colouring(); }
void Dispatcher::remove_colouring() { colouring_.remove_colouring(); }

void Dispatcher::cleanup_html() {
    CleanupCommand(ws_, editor_, documents_, bar_, colouring_).run();
    view_.refresh_command_states();
}

void Dispatcher::about() { view_.show_about(); }
void Dispatcher::homepage() { ws_.dialogs.open_with_default_handler(homepage_url); }
void Dispatcher::publish() { not_implemented(QStringLiteral("PUBLISH")); }

void Dispatcher::not_implemented(const QString& name) {
    ws_.dialogs.beep();
    ws_.dialogs.message_box({QStringLiteral("'%1' has not yet been implemented.\r\n"
                                            "But is planned for a version to be released very soon!\r\n"
                                            "Please check back on our website for the latest release")
                                 .arg(name),
                             app_title, Buttons::Ok, Icon::None});
}

}  // namespace tamsel
