#pragma once
// The commands of compiled help: "HTMLHelp System Compiler" asks for a site's index page and folder,
// checks the site in help mode (the error list shows its problems; errors stop the build), writes the help
// project into help/ of the per-user data folder, compiles it and opens the result; the Help menu opens the
// program's own help and the HTML and CSS references shipped with the program.
namespace tamsel {

class CommandRegistry;
class ConfigTable;
class EditorSession;
class ResultList;
class TagDatabase;
struct MetaSlots;
struct Paths;

// The engine state the commands read and fill.
struct HelpBuildState {
    const TagDatabase& db;
    const ConfigTable& config;
    ResultList& results;
    MetaSlots& metas;
    const Paths& paths;
};

// "HTMLHelp System Compiler"; true when a help file was compiled.
bool run_help_compiler_command(EditorSession& session, HelpBuildState state);

void register_helpbuild_commands(CommandRegistry& handlers, EditorSession& session, HelpBuildState state);

}  // namespace tamsel
