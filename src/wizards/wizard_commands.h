#pragma once
// The commands of the wizards that have a form of their own: the calendar and the frame wizard.
namespace tamsel {

class CommandRegistry;
class EditorSession;

void register_wizard_commands(CommandRegistry& handlers, EditorSession& session);

}  // namespace tamsel
