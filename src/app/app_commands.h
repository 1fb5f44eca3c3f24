#pragma once
// The commands of the application shell: files, editing, the view, the previews and the colouring.
namespace tamsel {

class CommandRegistry;
class Session;

void register_app_commands(CommandRegistry& handlers, Session& session);

}  // namespace tamsel
