#include "wizards/page_commands.h"

#include "core/command_registry.h"
#include "core/document.h"
#include "core/document_kinds.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tamsel {
namespace {

constexpr FindOptions selecting{false, false, true};

void tell(DialogHost& dialogs, const QString& text) { dialogs.message_box({text, app_title, Buttons::Ok, Icon::None}); }

}  // namespace

bool set_default_script_language(PageEditor& page, DialogHost& dialogs, const QString& language) {
    EditorBuffer& e = page.editor;
    const QString meta = QStringLiteral("<META http-equiv=\"Content-Script-Type\" content='text/%1'>").arg(language);
    if (e.find(meta, 0, selecting) >= 0) return false;  // declared already: the tag is selected
    qsizetype caret = e.selection_start();
    config_basic_html(page, caret);
    const qsizetype head_end = find_tag(e, QStringLiteral("</head")).at;
    // The tag up to "text/" finds a declaration of any language.
    const qsizetype prefix = meta.indexOf(QLatin1Char('/')) + 1;
    const qsizetype found = e.find(meta.left(prefix), 0, selecting);
    if (found >= 0 && found < head_end) {
        QString declared = e.text().mid(found + prefix, 20);
        declared.truncate(declared.indexOf(QLatin1Char('\'')) < 0 ? declared.size() : declared.indexOf(QLatin1Char('\'')));
        declared.truncate(declared.indexOf(QLatin1Char('>')) < 0 ? declared.size() : declared.indexOf(QLatin1Char('>')));
        e.set_selection(found, 0);
        tell(dialogs, declared + QStringLiteral(" is already the default\r\nlanguage defined on this page"));
        return false;
    }
    insert_in_head(page, meta);
    return true;
}

QString link_target(const QString& page_path, const QString& target) {
    QString name = is_untitled(page_path) || page_path.isEmpty()
                       ? target
                       : QDir(QFileInfo(page_path).absolutePath()).relativeFilePath(target);
    name = QDir::fromNativeSeparators(name);
    return name.replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

QString link_tag(LinkKind kind, const QString& file) {
    switch (kind) {
    case link_vbscript: return QStringLiteral("<script language=\"VBScript\" src=\"%1\">").arg(file);
    case link_javascript: return QStringLiteral("<script language=\"JavaScript\" src=\"%1\">").arg(file);
    case link_stylesheet: return QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"%1\">").arg(file);
    }
    return {};
}

bool add_link(PageEditor& page, DialogHost& dialogs, LinkKind kind, const QString& page_path) {
    FileRequest request = file_request(FileDialogMode::Open, kind, QString());
    request.title = QStringLiteral("Add Link");
    if (!is_untitled(page_path) && !page_path.isEmpty()) request.directory = QFileInfo(page_path).absolutePath();
    const std::optional<QString> chosen = dialogs.file_dialog(request);
    if (!chosen) return false;
    QString link = link_tag(kind, link_target(page_path, *chosen));
    EditorBuffer& e = page.editor;
    if (e.find(link, 0, selecting) >= 0) {
        tell(dialogs, QStringLiteral("A link to this file already exists"));
        return false;
    }
    const UndoStep step(e);
    qsizetype caret = e.selection_start();
    config_basic_html(page, caret);
    if (kind != link_stylesheet) link += QStringLiteral("</SCRIPT>");
    insert_in_head(page, link);
    return true;
}

QString list_of_lines(const QString& selected, const QString& line_end) {
    static const QRegularExpression line_break(QStringLiteral("\r\n|\n|\r"));
    QString list = QStringLiteral("<ul>") + line_end;
    for (const QString& line : selected.split(line_break)) {
        const QString item = line.trimmed();
        if (!item.isEmpty()) list += QStringLiteral("<li>") + item + QStringLiteral("</li>") + line_end;
    }
    return list + QStringLiteral("</ul>") + line_end;
}

void make_list(PageEditor& page) {
    page.editor.replace_selection(list_of_lines(page.editor.selected_text(), page.line_end));
}

PageEditor page_editor(EditorSession& session) {
    const Document* doc = session.documents().active();
    return {session.editor(), line_end_text(doc ? doc->line_ends : LineEnds::CrLf)};
}

void register_page_commands(CommandRegistry& handlers, EditorSession& s) {
    // Each command changes the active document: nothing to do without one.
    const auto on_page = [&s](auto change) {
        return [&s, change] {
            const Document* doc = s.documents().active();
            if (!doc) return;
            PageEditor page = page_editor(s);
            if (change(page, doc->path)) s.mark_changed();
            s.refresh_command_states();
        };
    };
    const auto language = [&s, on_page](const QString& name) {
        return on_page([&s, name](PageEditor& page, const QString&) {
            const UndoStep step(page.editor);
            const qsizetype before = page.editor.length();
            set_default_script_language(page, s.dialogs(), name);
            // The skeleton may have been completed even when the tag was not inserted.
            return page.editor.length() != before;
        });
    };
    handlers.add(QStringLiteral("ID_SetJavaScript"), language(QStringLiteral("JavaScript")));
    handlers.add(QStringLiteral("ID_SetVBScript"), language(QStringLiteral("VBScript")));
    const auto link = [&s, on_page](LinkKind kind) {
        return on_page([&s, kind](PageEditor& page, const QString& path) { return add_link(page, s.dialogs(), kind, path); });
    };
    handlers.add(QStringLiteral("ID_InsertVBScriptLink"), link(link_vbscript));
    handlers.add(QStringLiteral("ID_InsertJavaScriptLink"), link(link_javascript));
    handlers.add(QStringLiteral("id_InsertStyleSheet"), link(link_stylesheet));
    handlers.add(QStringLiteral("id_Tools_List"), on_page([](PageEditor& page, const QString&) {
                     const UndoStep step(page.editor);
                     make_list(page);
                     return true;
                 }));
}

}  // namespace tamsel
