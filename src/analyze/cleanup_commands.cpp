#include "analyze/cleanup_commands.h"

#include "analyze/error_list.h"
#include "analyze/page_cleanup.h"
#include "core/command_registry.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "platform/editor_buffer.h"

#include <climits>

namespace tamsel {

bool run_cleanup(EditorSession& s, CleanupState state) {
    const Document* doc = s.documents().active();
    if (!doc) return false;
    EditorBuffer& editor = s.editor();
    // The scan reads a snapshot of the text: the editor itself is never scanned while it may change.
    const QString text = editor.text();

    PageCleanup cleanup(state.db, state.results, state.metas);
    s.begin_long_operation(QStringLiteral("Cleanup HTML Code"), static_cast<int>(qMin<qsizetype>(text.size(), INT_MAX)));
    cleanup.scan_text(text, doc->path, &s.progress());
    s.end_long_operation();
    if (!errors_resolved(state.results, AnalyzeMode::cleanup, s.forms().find<ErrorListForm>(),
                         [&editor](int line) { select_line(editor, line); }))
        return false;

    // The formatter shows its own progress ("Cleanup"); the operation around it, with no caption of its
    // own, keeps the editor frozen and the commands off until the new text is in.
    s.begin_long_operation(QString(), 0);
    const QString cleaned = cleanup.format(state.config, doc->line_ends, &s.progress());
    // A page that is clean already stays as it is: no undo step, nothing changed.
    const bool changed = cleaned != text;
    if (changed) editor.set_text(cleaned);
    s.end_long_operation();
    if (!changed) return false;
    s.mark_changed();
    s.recolour();
    return true;
}

void register_cleanup_commands(CommandRegistry& handlers, EditorSession& session, CleanupState state) {
    handlers.add(
        QStringLiteral("id_Cleanup_HTML_Code"),
        [&session, state] {
            run_cleanup(session, state);
            session.refresh_command_states();
        },
        CommandRegistry::WhenBusy::beep);
}

}  // namespace tamsel
