#include "wizards/wizard_commands.h"

#include "core/command_registry.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "wizards/calendar_form.h"
#include "wizards/frame_wizard_form.h"
#include "wizards/page_commands.h"

namespace tamsel {
namespace {

void tell_with_beep(DialogHost& dialogs, const QString& text) {
    dialogs.beep();
    dialogs.message_box({text, app_title, Buttons::Ok, Icon::None});
}

void open_calendar_wizard(EditorSession& s, const QDate& today) {
    CalendarForm* form = s.forms().find<CalendarForm>();
    if (!s.documents().active() || !form) return;
    const std::optional<CalendarChoice> choice = form->ask(today);
    if (!choice) return;
    PageEditor page = page_editor(s);
    if (!create_calendar(page, choice->size, choice->month)) return;
    s.mark_changed();
    s.recolour();
    s.refresh_command_states();
}

// The wizard lays a frameset out on an empty page only; the frameset itself is not written yet.
void open_frame_wizard(EditorSession& s) {
    if (s.documents().active() && s.editor().length() > 0) {
        tell_with_beep(s.dialogs(), frame_wizard_refusal_text());
        return;
    }
    FrameWizardForm* form = s.forms().find<FrameWizardForm>();
    if (form && form->ask()) tell_with_beep(s.dialogs(), frame_wizard_unfinished_text());
}

}  // namespace

void register_wizard_commands(CommandRegistry& handlers, EditorSession& s) {
    handlers.add(QStringLiteral("id_Tools_Calendar"), [&s] { open_calendar_wizard(s, QDate::currentDate()); });
    handlers.add(QStringLiteral("id_FrameWizard"), [&s] { open_frame_wizard(s); });
}

}  // namespace tamsel
