#pragma once
// The Search menu's ways about a document: Function Finder, Goto Line #, Match Brace { and the four
// bookmark commands.
namespace tamsel {

class CommandRegistry;
class EditorSession;

void register_navigation_commands(CommandRegistry& handlers, EditorSession& session);

}  // namespace tamsel
