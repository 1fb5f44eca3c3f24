#include "helpbuild/helpbuild_commands.h"

#include "analyze/error_list.h"
#include "core/command_registry.h"
#include "core/document_kinds.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "core/progress_model.h"
#include "helpbuild/help_builder.h"
#include "helpbuild/help_compiler.h"
#include "helpbuild/help_site_scan.h"
#include "helpbuild/help_viewer.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/paths.h"
#include "settings/config_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tamsel {
namespace {

constexpr int website_index_filter = 9;
const QString compiler_error_title = QStringLiteral("HTMLHelp Compiler Error");

std::optional<QString> ask_index_page(DialogHost& dialogs) {
    FileRequest request = file_request(FileDialogMode::Open, website_index_filter, {});
    request.filters += file_request(FileDialogMode::Open, 1, {}).filters;
    request.title = QStringLiteral("Select Index Page");
    return dialogs.file_dialog(request);
}

void tell(DialogHost& dialogs, const QString& text, const QString& title, Icon icon = Icon::None) {
    dialogs.message_box({text, title, Buttons::OkCancel, icon});
}

// The help-check scan under the progress panel; true when the site may be built (no errors, and any
// warnings looked at in the error list).
bool site_checked(EditorSession& s, HelpBuildState state, const QString& folder) {
    s.begin_long_operation(QString(), 0);
    s.progress().open_progress(QStringLiteral("Files"), 0, QStringLiteral("Project"), 0);
    scan_help_site(state.db, folder, state.results, state.metas, &s.progress());
    s.end_long_operation();
    return errors_resolved(state.results, AnalyzeMode::help_check, s.forms().find<ErrorListForm>());
}

bool project_written(EditorSession& s, HelpBuildState state, const HelpBuildRequest& request) {
    s.begin_long_operation(QStringLiteral("Processing HTMLHelp File"), 4 * state.results.count());
    const HelpProjectOutcome project = write_help_project(state.results.entries(), request, &s.progress());
    s.end_long_operation();
    if (!project.written) tell(s.dialogs(), project.error, app_title, Icon::Critical);
    return project.written;
}

bool compiled(EditorSession& s, HelpBuildState state, const QString& folder) {
    // The window keeps answering while the compiler runs; commands wait for it.
    s.begin_long_operation(QStringLiteral("Compiling HTMLHelp File"), 0);
    const HelpCompileOutcome outcome = compile_help_project(folder, find_help_compiler(state.config.config_text(htmlhelp_path)));
    s.end_long_operation();
    switch (outcome.status) {
    case CompileStatus::log_errors:
        tell(s.dialogs(), outcome.error_lines.join(QStringLiteral("\r\n")), compiler_error_title);
        return false;
    case CompileStatus::failed:
        tell(s.dialogs(), outcome.message, compiler_error_title, Icon::Critical);
        return false;
    case CompileStatus::compiled: break;
    }
    tell(s.dialogs(), QStringLiteral("HTMLHelp file succesfully compiled"), app_title);
    show_help_file(s.dialogs(), outcome.compiled_file);
    return true;
}

QString program_name() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

}  // namespace

bool run_help_compiler_command(EditorSession& s, HelpBuildState state) {
    DialogHost& dialogs = s.dialogs();
    const std::optional<QString> index = ask_index_page(dialogs);
    if (!index) return false;
    const std::optional<QString> folder = dialogs.folder_dialog(QStringLiteral("Select WebSite Directory"), QFileInfo(*index).path());
    if (!folder) return false;
    const HelpBuildRequest request{QDir::cleanPath(*folder), *index, state.paths.help(), program_name()};
    if (const QString refusal = help_build_refusal(request); !refusal.isEmpty()) {
        dialogs.message_box({refusal, app_title, Buttons::Ok, Icon::Exclamation});
        return false;
    }
    const bool built = site_checked(s, state, request.site_folder) && project_written(s, state, request) &&
                       compiled(s, state, request.project_folder);
    state.results.clear();
    return built;
}

void register_helpbuild_commands(CommandRegistry& handlers, EditorSession& s, HelpBuildState state) {
    handlers.add(
        QStringLiteral("ID_HTMLHelp_System_Compiler"),
        [&s, state] {
            run_help_compiler_command(s, state);
            s.refresh_command_states();
        },
        CommandRegistry::WhenBusy::beep);
    // The Help menu: the files shipped in the program's data folder.
    const Paths& paths = state.paths;
    for (const char* id : {"id_Help_Contents", "id_Help_Index"})
        handlers.add(QLatin1String(id), [&s, &paths] { show_help_file(s.dialogs(), program_help_file(paths.program_data)); });
    handlers.add(QStringLiteral("id_Help_HTML"), [&s, &paths] {
        show_help_file(s.dialogs(), reference_help_file(paths.program_data, ReferenceHelp::html));
    });
    handlers.add(QStringLiteral("id_Help_CSS"), [&s, &paths] {
        show_help_file(s.dialogs(), reference_help_file(paths.program_data, ReferenceHelp::css));
    });
}

}  // namespace tamsel
