#include "import/import_commands.h"

#include "core/command_registry.h"
#include "core/document_kinds.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "wizards/page_commands.h"

namespace tamsel {
namespace {

bool import_into_document(EditorSession& s, ImportKind kind, const QString& path) {
    if (!s.documents().active()) return false;
    QString error;
    const std::optional<ImportInput> input = read_import_file(kind, path, error);
    if (!input) {
        s.dialogs().message_box({error, app_title, Buttons::Ok, Icon::Exclamation});
        return false;
    }
    s.begin_long_operation(import_caption(kind), ProgressSteps::maximum_for(input->units()));
    const ImportProgress progress{&s.progress(), [&s] { return s.stop_requested(); }};
    const std::optional<QString> page = import_page(*input, progress);
    s.end_long_operation();
    if (!page) return false;
    PageEditor editor = page_editor(s);
    pour_import_page(editor, *page);
    s.mark_changed();
    s.recolour();
    return true;
}

}  // namespace

bool import_text_file(EditorSession& s, const QString& path) { return import_into_document(s, ImportKind::text, path); }
bool import_rtf_file(EditorSession& s, const QString& path) { return import_into_document(s, ImportKind::rtf, path); }

bool import_file(EditorSession& s, ImportKind kind) {
    if (!s.documents().active()) return false;
    // The file dialog's filters: 5 "Text Files", 8 "RTF Document Files".
    FileRequest request = file_request(FileDialogMode::Open, kind == ImportKind::text ? 5 : 8, QString());
    request.title = kind == ImportKind::text ? QStringLiteral("Import TEXT File") : QStringLiteral("Import RTF File");
    const std::optional<QString> path = s.dialogs().file_dialog(request);
    if (!path) return false;
    return kind == ImportKind::text ? import_text_file(s, *path) : import_rtf_file(s, *path);
}

void register_import_commands(CommandRegistry& handlers, EditorSession& s) {
    const auto command = [&s](ImportKind kind) {
        return [&s, kind] {
            import_file(s, kind);
            s.refresh_command_states();
        };
    };
    handlers.add(QStringLiteral("ID_ImportTEXTFile"), command(ImportKind::text));
    handlers.add(QStringLiteral("ID_ImportRTFFile"), command(ImportKind::rtf));
}

}  // namespace tamsel
