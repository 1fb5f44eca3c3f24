#include "app/command_icons_widget.h"

#include "core/document_kinds.h"

#include <QMimeDatabase>
#include <array>

namespace tamsel {
namespace {

struct CommandIcon {
    QStringView id;
    QStringView theme;  // a freedesktop icon name; the program's own drawing of that name stands in for it
};

constexpr std::array<CommandIcon, 31> command_icons = {{
    {u"id_File_New",                 u"document-new"},
    {u"id_File_Open",                u"document-open"},
    {u"ID_File_Close",               u"window-close"},
    {u"id_File_Save",                u"document-save"},
    {u"ID_File_SaveAs",              u"document-save-as"},
    {u"id_Print",                    u"document-print"},
    {u"ID_Tamsel2001Preferences",    u"preferences-system"},
    {u"id_Menu_FileExit",            u"application-exit"},
    {u"ID_Undo",                     u"edit-undo"},
    {u"id_Edit_Cut",                 u"edit-cut"},
    {u"id_Edit_Copy",                u"edit-copy"},
    {u"id_Edit_Paste",               u"edit-paste"},
    {u"id_Edit_Clear",               u"edit-clear"},
    {u"ID_SelectAll",                u"edit-select-all"},
    {u"id_Find",                     u"edit-find"},
    {u"id_FindNext",                 u"go-down-search"},
    {u"ID_Replace",                  u"edit-find-replace"},
    {u"id_Goto_Line",                u"go-jump"},
    {u"id_BookMark_Add",             u"bookmark-new"},
    {u"id_BookMark_Prev",            u"go-up"},
    {u"id_BookMark_Next",            u"go-down"},
    {u"id_BookMark_Clear",           u"edit-clear"},
    {u"ID_PreviewinTamselWindow",    u"view-split-left-right"},
    {u"ID_RefreshSplitScreen",       u"view-refresh"},
    {u"id_FullScreen",               u"view-fullscreen"},
    {u"ID_ViewinInternetExplorer",   u"internet-web-browser"},
    {u"ID_ViewinNetscape",           u"internet-web-browser"},
    {u"ID_UpdateSyntaxHighlighting", u"view-refresh"},
    {u"id_Cleanup_HTML_Code",        u"format-indent-more"},
    {u"id_Help_Contents",            u"help-contents"},
    {u"id_Menu_About",               u"help-about"},
}};

struct TypeIcon {
    int type;
    QStringView mime;  // the desktop names the icon after the type's MIME type
    QStringView own;
};

constexpr std::array<TypeIcon, 5> type_icons = {{
    {doc_html,       u"text/html",              u"tamsel-text-html"},
    {doc_vbscript,   u"text/vbscript",          u"tamsel-text-vbscript"},
    {doc_javascript, u"application/javascript", u"tamsel-application-javascript"},
    {doc_css,        u"text/css",               u"tamsel-text-css"},
    {doc_text,       u"text/plain",             u"tamsel-text-plain"},
}};

QIcon own_icon(QStringView name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(name)); }

}  // namespace

QIcon command_icon(QStringView id) {
    for (const CommandIcon& c : command_icons)
        if (c.id == id) return QIcon::fromTheme(c.theme.toString(), own_icon(c.theme));
    return {};
}

QIcon document_icon(int document_type) {
    const TypeIcon* row = &type_icons.back();  // templates and anything else show as plain text
    for (const TypeIcon& t : type_icons)
        if (t.type == document_type) row = &t;
    const QMimeType mime = QMimeDatabase().mimeTypeForName(row->mime.toString());
    const QIcon own = own_icon(row->own);
    if (!mime.isValid()) return own;
    return QIcon::fromTheme(mime.iconName(), own);
}

}  // namespace tamsel
