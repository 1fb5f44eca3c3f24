#pragma once
// The meta tag command: the page's skeleton made whole, its head read into the wizard's form, and on
// "Finish" the head rewritten as one undo step and coloured again.
#include <QString>

namespace tamsel {

class CommandRegistry;
class EditorSession;

// generator names the program in the generator tag. True when the head was written.
bool run_meta_wizard(EditorSession& session, const QString& generator);

void register_meta_wizard_command(CommandRegistry& handlers, EditorSession& session);

}  // namespace tamsel
