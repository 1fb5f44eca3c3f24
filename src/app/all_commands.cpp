// The one place that lists the features whose commands the editor offers: a new feature adds its line.
#include "analyze/cleanup_commands.h"
#include "analyze/report_commands.h"
#include "app/app_commands.h"
#include "app/session.h"
#include "app/workspace.h"
#include "find/find_form.h"
#include "find/navigation_commands.h"
#include "helpbuild/helpbuild_commands.h"
#include "print/print_form.h"
#include "import/import_commands.h"
#include "tagdb/db_editor_forms.h"
#include "wizards/meta_wizard_commands.h"
#include "wizards/page_commands.h"
#include "wizards/table_commands.h"
#include "wizards/wizard_commands.h"

namespace tamsel {

void register_all_commands(CommandRegistry& handlers, Session& s) {
    Workspace& ws = s.workspace();
    register_app_commands(handlers, s);
    register_cleanup_commands(handlers, s, {ws.db, ws.config, ws.results, ws.metas});
    register_report_commands(handlers, s, ws.db,
                             {ws.paths.reports() + QStringLiteral("/statistics.html"), ws.paths.program_data + QStringLiteral("/report")});
    register_page_commands(handlers, s);
    register_find_commands(handlers, s);
    register_navigation_commands(handlers, s);
    register_print_commands(handlers, s);
    register_import_commands(handlers, s);
    register_meta_wizard_command(handlers, s);
    register_table_commands(handlers, s, ws.store);
    register_wizard_commands(handlers, s);
    register_helpbuild_commands(handlers, s, {ws.db, ws.config, ws.results, ws.metas, ws.paths});
    register_db_editor_commands(handlers, s, ws.db, ws.paths.user_data,
                                [&ws] { return ws.paths.reports() + QStringLiteral("/html_spec.html"); },
                                [&s] { s.refresh_command_states(); });
}

}  // namespace tamsel
