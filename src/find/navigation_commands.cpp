#include "find/navigation_commands.h"

#include "core/command_registry.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "find/bookmarks.h"
#include "find/function_finder.h"
#include "find/function_list_form.h"
#include "find/navigation.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"

namespace tamsel {

namespace {

// The blue the finder paints on every declaration it lists.
constexpr ColourValue declaration_colour = 16711680;

void tell(EditorSession& session, const QString& text, Buttons buttons = Buttons::Ok) {
    session.dialogs().message_box({text, app_title, buttons, Icon::None});
}

// One run per stretch of declarations: two keywords on one line give overlapping stretches.
QList<ColourRun> declaration_runs(const QList<FunctionEntry>& entries) {
    QList<ColourRun> runs;
    for (const FunctionEntry& e : entries) runs.append({e.start, e.length, declaration_colour});
    std::sort(runs.begin(), runs.end(), [](const ColourRun& a, const ColourRun& b) { return a.start < b.start; });
    QList<ColourRun> merged;
    for (const ColourRun& run : runs) {
        if (!merged.isEmpty() && run.start <= merged.last().start + merged.last().length)
            merged.last().length = std::max(merged.last().length, run.start + run.length - merged.last().start);
        else merged.append(run);
    }
    return merged;
}

void function_finder(EditorSession& session) {
    EditorBuffer& editor = session.editor();
    const QList<FunctionEntry> entries = find_functions(editor.text());
    if (entries.isEmpty()) {
        tell(session, QStringLiteral("No Functions or Subroutines Found"));
        return;
    }
    editor.begin_batch();
    editor.apply_colours(declaration_runs(entries));
    editor.end_batch();
    auto* form = session.forms().find<FunctionListForm>();
    if (!form) return;
    QStringList names;
    for (const FunctionEntry& e : entries) names.append(e.name);
    const std::optional<QString> chosen = form->choose(names);
    const qsizetype index = chosen ? first_entry_named(entries, *chosen) : -1;
    if (index >= 0) editor.set_selection(entries[index].start, entries[index].length);
    session.refresh_gutter();
}

void ask_line_number(EditorSession& session) {
    const QString answer = session.dialogs()
                               .prompt_line(QStringLiteral("Enter Line Number to Go To"), app_title, {}, InputKind::Digits)
                               .value_or(QString());
    if (const std::optional<qint64> line = line_answer(answer)) {
        go_to_line(session.editor(), *line);
        session.refresh_gutter();
    }
}

void match_brace(EditorSession& session) {
    switch (select_matching_brace(session.editor())) {
    case BraceMatch::not_a_brace: session.dialogs().beep(); break;
    case BraceMatch::unmatched: tell(session, QStringLiteral("There is NO matching "), Buttons::OkCancel); break;
    case BraceMatch::matched: break;
    }
    session.refresh_command_states();
}

int caret_line(EditorSession& session) {
    EditorBuffer& editor = session.editor();
    return editor.line_of(editor.selection_start()) + 1;
}

void toggle_bookmark(EditorSession& session, Document& doc) {
    if (toggle_bookmark(doc.bookmarks, caret_line(session)) == ToggleResult::full)
        tell(session, QStringLiteral("This document has %1 bookmarks already; remove one to add another.").arg(Bookmarks::slot_count));
    session.refresh_gutter();
    session.refresh_command_states();
}

void go_to_bookmark(EditorSession& session, std::optional<int> line) {
    if (!line) return;
    go_to_line(session.editor(), *line);
    session.refresh_gutter();
}

}  // namespace

void register_navigation_commands(CommandRegistry& handlers, EditorSession& session) {
    // Each command works on the active document; without one it does nothing.
    const auto on_active = [&session, &handlers](const char* id, auto action) {
        handlers.add(QString::fromLatin1(id), [&session, action] {
            if (Document* doc = session.documents().active()) action(*doc);
        });
    };
    on_active("ID_FunctionFinder", [&session](Document&) { function_finder(session); });
    on_active("id_Goto_Line", [&session](Document&) { ask_line_number(session); });
    on_active("ID_MatchBrace", [&session](Document&) { match_brace(session); });
    on_active("id_BookMark_Add", [&session](Document& doc) { toggle_bookmark(session, doc); });
    on_active("id_BookMark_Next", [&session](Document& doc) {
        go_to_bookmark(session, next_bookmark(doc.bookmarks, caret_line(session)));
    });
    on_active("id_BookMark_Prev", [&session](Document& doc) {
        go_to_bookmark(session, previous_bookmark(doc.bookmarks, caret_line(session)));
    });
    on_active("id_BookMark_Clear", [&session](Document& doc) {
        clear_bookmarks(doc.bookmarks);
        session.refresh_gutter();
        session.refresh_command_states();
    });
}

}  // namespace tamsel
