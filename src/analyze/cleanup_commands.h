#pragma once
// "Cleanup HTML Code" in the editor: the active document's text is scanned in cleanup mode under the
// progress panel; the error list shows what was found; with no errors left the page laid out by the
// formatter replaces the text as one undo step, in the document's line ends, and is coloured again. Cancel
// on the error list leaves the document as it was.
namespace tamsel {

class CommandRegistry;
class ConfigTable;
class EditorSession;
class ResultList;
class TagDatabase;
struct MetaSlots;

// The engine state a cleanup reads and fills.
struct CleanupState {
    const TagDatabase& db;
    const ConfigTable& config;
    ResultList& results;
    MetaSlots& metas;
};

// True when the text was replaced.
bool run_cleanup(EditorSession& session, CleanupState state);

void register_cleanup_commands(CommandRegistry& handlers, EditorSession& session, CleanupState state);

}  // namespace tamsel
