#include "app/app_commands.h"

#include "app/document_colouring.h"
#include "app/documents.h"
#include "app/preferences.h"
#include "app/preview.h"
#include "app/session.h"
#include "app/shell_view.h"
#include "app/typing_rules.h"
#include "app/workspace.h"
#include "core/command_registry.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"
#include "platform/paths.h"
#include "wizards/new_document.h"

namespace tamsel {
namespace {

// The maker's web site, opened by the homepage command.
const QString homepage_url = QStringLiteral("http://www.tamsel2001.com/");

void not_implemented(DialogHost& dialogs, const QString& name) {
    dialogs.beep();
    dialogs.message_box({QStringLiteral("'%1' has not yet been implemented.\r\n"
                                        "But is planned for a version to be released very soon!\r\n"
                                        "Please check back on our website for the latest release")
                             .arg(name),
                         app_title, Buttons::Ok, Icon::None});
}

void register_file_commands(CommandRegistry& r, Session& s) {
    Documents& docs = s.files();
    r.add(QStringLiteral("id_File_New"), [&s, &docs] {
        const Paths& paths = s.workspace().paths;
        const auto request = ask_new_document(s.forms(), {paths.shipped_templates(), paths.templates()});
        if (request) docs.new_from_choice(request->kind->id.toString(), request->template_path);
        s.refresh_command_states();
    });
    r.add(QStringLiteral("id_File_Open"), [&s, &docs] {
        docs.open_command();
        s.refresh_command_states();
    });
    r.add(QStringLiteral("ID_File_Close"), [&s, &docs] {
        docs.close_document();
        s.refresh_command_states();
    });
    r.add(QStringLiteral("id_File_Save"), [&docs] { docs.save_document(SaveKind::save); });
    r.add(QStringLiteral("ID_File_SaveAs"), [&docs] { docs.save_document(SaveKind::save_as); });
    r.add(QStringLiteral("ID_SaveasHTMLTemplate"), [&docs] { docs.save_document(SaveKind::template_copy); });
    r.add(QStringLiteral("ID_PublishWebSitetoServer"), [&s] { not_implemented(s.dialogs(), QStringLiteral("PUBLISH")); });
    r.add(QStringLiteral("id_Menu_FileExit"), [&s] { s.workspace().window.exit_request = true; });
}

void clipboard_key(Session& s, QChar letter) {
    if (clipboard_command(letter, s.editor(), s.clipboard())) {
        s.mark_changed();
        s.view().refresh_gutter();
    }
    s.refresh_command_states();
}

void register_edit_commands(CommandRegistry& r, Session& s) {
    r.add(QStringLiteral("id_Edit_Cut"), [&s] { clipboard_key(s, QLatin1Char('X')); });
    r.add(QStringLiteral("id_Edit_Copy"), [&s] { clipboard_key(s, QLatin1Char('C')); });
    r.add(QStringLiteral("id_Edit_Paste"), [&s] { clipboard_key(s, QLatin1Char('V')); });
    r.add(QStringLiteral("ID_Undo"), [&s] { clipboard_key(s, QLatin1Char('Z')); });
    r.add(QStringLiteral("id_Edit_Clear"), [&s] {
        if (s.editor().selected_text().isEmpty()) return;
        s.editor().replace_selection(QString());
        s.view().refresh_gutter();
        s.mark_changed();
    });
    r.add(QStringLiteral("ID_SelectAll"), [&s] {
        s.editor().set_selection(0, s.editor().length());
        s.refresh_command_states();
    });
    r.add(QStringLiteral("ID_GotoPageBegin"), [&s] { s.editor().set_selection(0, 0); });
    r.add(QStringLiteral("ID_GotoPageEnd"), [&s] { s.editor().set_selection(s.editor().length(), 0); });
}

void toggle(Session& s, bool ViewFlags::*flag) {
    ViewFlags& flags = s.workspace().window.view_flags;
    flags.*flag = !(flags.*flag);
    s.view().refresh_view();
}

void register_view_commands(CommandRegistry& r, Session& s) {
    for (const char* menu : {"ID_TopMenu_File", "id_TopMenu_Edit", "id_TopMenu_Search", "id_TopMenu_Tools",
                             "ID_TopMenu_View", "id_TopMenu_Help", "ID_WindowList"})
        r.add(QLatin1String(menu), [&s] { s.refresh_command_states(); });
    r.add(QStringLiteral("ID_ShowToolbar"), [&s] { toggle(s, &ViewFlags::toolbar); });
    r.add(QStringLiteral("ID_ShowLineNumbers"), [&s] { toggle(s, &ViewFlags::line_numbers); });
    r.add(QStringLiteral("ID_ViewSpecial"), [&s] { toggle(s, &ViewFlags::special_chars); });

    Preview& preview = s.preview();
    r.add(QStringLiteral("ID_ViewSource"), [&preview] { preview.view_source(); });
    r.add(QStringLiteral("ID_PreviewinTamselWindow"), [&preview] { preview.toggle_split(); });
    r.add(QStringLiteral("ID_RefreshSplitScreen"), [&preview] { preview.refresh_preview(); });
    r.add(QStringLiteral("id_FullScreen"), [&preview] { preview.toggle_full(); });
    r.add(QStringLiteral("ID_ViewinInternetExplorer"), [&preview] { preview.view_in_browser(1); });
    r.add(QStringLiteral("ID_ViewinNetscape"), [&preview] { preview.view_in_browser(2); });

    DocumentColouring& colouring = s.colouring();
    r.add(QStringLiteral("ID_UpdateSyntaxHighlighting"), [&colouring] { colouring.update_colouring(); });
    r.add(QStringLiteral("ID_RemoveSyntaxHighlighting"), [&colouring] { colouring.remove_colouring(); });

    r.add(QStringLiteral("id_Tamsel2001Homepage"), [&s] {
        // Without a browser the desktop's handler fails quietly: the user is told, not the terminal.
        if (!s.dialogs().open_with_default_handler(homepage_url))
            s.dialogs().message_box({QStringLiteral("No program on this computer opens web addresses.\r\n"
                                                    "The home page is at %1").arg(homepage_url),
                                     app_title, Buttons::Ok, Icon::Exclamation});
    });
    r.add(QStringLiteral("id_Menu_About"), [&s] { s.view().show_about(); });
    r.add(QStringLiteral("id_ToolsToolbar"), [] {});
    r.add(QStringLiteral("id_ToolsStatusBar"), [] {});
}

}  // namespace

void register_app_commands(CommandRegistry& handlers, Session& session) {
    register_file_commands(handlers, session);
    register_edit_commands(handlers, session);
    register_view_commands(handlers, session);
    handlers.add(QStringLiteral("ID_Tamsel2001Preferences"), [&session] { open_preferences(session); });
}

}  // namespace tamsel
