#include "app/cleanup_command.h"

#include "analyze/error_list.h"
#include "analyze/page_cleanup.h"
#include "app/document_colouring.h"
#include "app/documents.h"
#include "app/progress_bar.h"
#include "app/workspace.h"
#include "platform/app_info.h"
#include "platform/editor_buffer.h"

#include <climits>

namespace tamsel {

bool CleanupCommand::run() {
    const DocumentRecord* doc = documents_.active();
    if (!doc || !documents_.write_scratch_copy()) return false;
    const QString copy = ws_.paths.analysis_scratch(1);

    PageCleanup cleanup(ws_.db, ws_.results, ws_.metas);
    bar_.open_bar(QStringLiteral("Cleanup HTML Code"), static_cast<int>(qMin<qsizetype>(editor_.length(), INT_MAX)));
    const bool read = cleanup.scan_file(copy, doc->path, &ws_.progress);
    bar_.close_bar();
    if (!read) {
        ws_.dialogs.message_box({copy + QStringLiteral(": the copy of the text cannot be read back"), app_title,
                                 Buttons::Ok, Icon::Exclamation});
        return false;
    }
    if (!errors_resolved(ws_.results, AnalyzeMode::cleanup, ws_.dialogs)) return false;

    // The formatter shows its own progress ("Cleanup"); the bar around it, with no caption of its own, keeps
    // the editor frozen and the commands off until the new text is in.
    bar_.open_bar(QString(), 0);
    const QString cleaned = cleanup.format(ws_.config, doc->line_ends, &ws_.progress);
    // A page that is clean already stays as it is: no undo step, nothing changed.
    const bool changed = cleaned != editor_.text();
    if (changed) editor_.set_text(cleaned);
    bar_.close_bar();
    if (!changed) return false;
    mark_changed(ws_.window);
    colouring_.colorize(1, -1);
    return true;
}

}  // namespace tamsel
