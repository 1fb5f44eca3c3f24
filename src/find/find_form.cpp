#include "find/find_form.h"

#include "core/command_registry.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"

#include <memory>

namespace tamsel {

qsizetype find_next_told(EditorBuffer& editor, DialogHost& dialogs, const FindState& state, bool tell) {
    QString error;
    const qsizetype found = find_next(editor, state.search, state.options, &error);
    if (found >= 0) return found;
    dialogs.beep();
    if (!error.isEmpty()) dialogs.message_box({QStringLiteral("The regular expression cannot be used: ") + error, app_title, Buttons::Ok, Icon::None});
    else if (tell) dialogs.message_box({QStringLiteral("'%1' not found.").arg(state.search), app_title, Buttons::Ok, Icon::None});
    return -1;
}

QString replaced_note(qsizetype count) {
    return count == 1 ? QStringLiteral("1 occurrence replaced") : QStringLiteral("%1 occurrences replaced").arg(count);
}

void register_find_commands(CommandRegistry& handlers, EditorSession& session) {
    auto state = std::make_shared<FindState>();
    const auto open = [&session, state](FindMode mode) {
        FindForm* form = session.forms().find<FindForm>();
        if (!form || !session.documents().active()) return;
        state->replaced_all = 0;
        if (form->show(mode, session.editor(), session.dialogs(), *state)) session.mark_changed();
        if (state->replaced_all > 0) session.show_status(replaced_note(state->replaced_all));
        session.refresh_command_states();
    };
    handlers.add(QStringLiteral("id_Find"), [open] { open(FindMode::find); });
    handlers.add(QStringLiteral("ID_Replace"), [open] { open(FindMode::replace); });
    handlers.add(QStringLiteral("id_FindNext"), [&session, state, open] {
        if (!session.documents().active()) return;
        if (state->search.isEmpty()) open(FindMode::find);
        else find_next_told(session.editor(), session.dialogs(), *state, true);
    });
}

}  // namespace tamsel
