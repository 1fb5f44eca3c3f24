#pragma once
// The table wizard's two commands: "Basic HTML Table" and "Import Comma Delimited File (CSV)".
#include "wizards/table_fields.h"

#include <QString>

namespace tamsel {

class CommandRegistry;
class EditorSession;
class SettingsStore;

// What the wizard says when its data file is missing or cannot be read.
inline const QString csv_file_required = QStringLiteral("Import CSV Filename required");

// Opens the wizard in mode with the fields kept in store and pours the confirmed table into the body of
// the active document, as one undo step. A confirmed import keeps its fields in store, even when its data
// file turns out to be unreadable (the wizard then stays open). True when a table was inserted.
bool run_table_wizard(EditorSession& session, SettingsStore& store, TableMode mode);

void register_table_commands(CommandRegistry& handlers, EditorSession& session, SettingsStore& store);

}  // namespace tamsel
