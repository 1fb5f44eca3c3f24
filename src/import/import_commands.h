#pragma once
// The commands "Import TEXT File" and "Import RTF File": a file chosen, turned into a page with the
// progress panel showing, and the page inserted at the caret of the active document as one undo step.
#include "import/import_file.h"

#include <QString>

namespace tamsel {

class CommandRegistry;
class EditorSession;

// Imports the file at path into the active document. A file that cannot be imported is named in a
// message; an import the user stopped (Escape) inserts nothing. True when the page was inserted.
bool import_text_file(EditorSession& session, const QString& path);
bool import_rtf_file(EditorSession& session, const QString& path);

// Asks for a file of kind ("Text Files" or "RTF Document Files") and imports it; Cancel does nothing.
bool import_file(EditorSession& session, ImportKind kind);

void register_import_commands(CommandRegistry& handlers, EditorSession& session);

}  // namespace tamsel
