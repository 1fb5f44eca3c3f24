#include "tagdb/db_editor_forms.h"

#include "core/command_registry.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "tagdb/spec_report.h"
#include "tagdb/tag_database.h"

#include <QString>
#include <memory>

namespace tamsel {
namespace {

// The tables as the editors left them: sorted, the deleted records gone, then written. A failed write is
// told and leaves db_changed set, so that closing the browser again tries again.
void save_after_editing(TagDatabase& db, DialogHost& dialogs, const QString& folder) {
    if (db.attrs_need_sort) db.sort_attrs();
    if (db.tags_need_sort) db.sort_tags();
    const SaveResult saved = db.save_database(folder);
    if (saved.ok) {
        db.db_changed = false;
        return;
    }
    dialogs.message_box({QStringLiteral("The tag database could not be saved:\r\n%1\r\nThe changes are kept until the "
                                        "next time the database browser closes.")
                             .arg(saved.error),
                         app_title, Buttons::Ok, Icon::Exclamation});
}

}  // namespace

void register_db_editor_commands(CommandRegistry& handlers, EditorSession& session, TagDatabase& db, const QString& folder,
                                 std::function<QString()> report_path, std::function<void()> changed) {
    // The tag the browser last stood on: the reduced editor opens on it.
    auto current_tag = std::make_shared<QString>();
    const auto context = [&session, &db, report_path] {
        return DbEditorContext{session.dialogs(), [&session, &db, report_path] {
                                   const QString path = report_path();
                                   QString error;
                                   if (!write_spec_report(db, path, &error))
                                       session.dialogs().message_box({QStringLiteral("Cannot write '%1':\r\n%2").arg(path, error),
                                                                      app_title, Buttons::Ok, Icon::Exclamation});
                                   else if (!session.dialogs().open_with_default_handler(path))
                                       session.dialogs().message_box({QStringLiteral("No program on this computer opens '%1'.").arg(path),
                                                                      app_title, Buttons::Ok, Icon::Exclamation});
                               }};
    };
    handlers.add(QStringLiteral("ID_HTMLTagDatabase"), [&session, &db, folder, context, current_tag, changed] {
        DatabaseEditorForm* form = session.forms().find<DatabaseEditorForm>();
        if (!form) return;
        const bool earlier_unsaved = db.db_changed;  // a save that failed before is tried again
        db.db_changed = false;
        form->browse(db, context(), *current_tag);
        if (!db.db_changed && !earlier_unsaved) return;
        db.db_changed = true;
        save_after_editing(db, session.dialogs(), folder);
        if (changed) changed();
    });
    handlers.add(QStringLiteral("id_Database_CSS"), [&session, &db, context, current_tag, changed] {
        DatabaseEditorForm* form = session.forms().find<DatabaseEditorForm>();
        if (!form) return;
        // Changes stay in memory: they reach the files with the browser's next save.
        if (form->edit_css_tag(db, context(), *current_tag)) {
            if (db.attrs_need_sort) db.sort_attrs();
            if (db.tags_need_sort) db.sort_tags();
            if (changed) changed();
        }
    });
}

}  // namespace tamsel
