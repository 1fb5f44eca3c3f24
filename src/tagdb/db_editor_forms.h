#pragma once
// The database editors as their commands ask them. The browser (frm_dbHTML) works on the tables until it
// is closed; the tag editor (frm_dbTAG, or the reduced frm_dbCSS) edits one tag. Both change the tables
// in memory only; the browser's command saves them. The window shows the Qt dialogs; tests script them.
#include <functional>

class QString;

namespace tamsel {

class DialogHost;
class TagDatabase;

// What the editors reach beyond the tables: the message boxes and the prompt, and the report of "Print".
struct DbEditorContext {
    DialogHost& dialogs;
    std::function<void()> print;  // writes the specification report and opens it
};

class DatabaseEditorForm {
public:
    virtual ~DatabaseEditorForm() = default;
    // frm_dbHTML, until "Exit" or the window frame closes it. The tag the user last stood on goes to
    // current_tag (the reduced editor opens on it).
    virtual void browse(TagDatabase& db, const DbEditorContext& context, QString& current_tag) = 0;
    // The reduced tag editor on tag_name (a new tag when empty). True when "OK" was accepted.
    virtual bool edit_css_tag(TagDatabase& db, const DbEditorContext& context, const QString& tag_name) = 0;
};

class CommandRegistry;
class EditorSession;

// "HTML Tag Database" and "CSS Attributes Database". The browser saves the database into folder when it
// closes after a change; a failed save is reported and the changes stay in memory for the next try.
// changed is called after a save, so that what depends on the database sees the change.
void register_db_editor_commands(CommandRegistry& handlers, EditorSession& session, TagDatabase& db,
                                 const QString& folder, std::function<QString()> report_path,
                                 std::function<void()> changed);

}  // namespace tamsel
