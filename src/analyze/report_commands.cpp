#include "analyze/report_commands.h"

#include "analyze/markup_scanner.h"
#include "analyze/site_report.h"
#include "analyze/site_scan.h"
#include "core/command_registry.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/progress_model.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"
#include "wizards/meta_reader.h"

#include <QDir>
#include <QFileInfo>

namespace tamsel {

namespace {

void write_and_show(EditorSession& session, const ReportPlace& place, const QList<ResultEntry>& entries, ReportSettings settings) {
    settings.icon_folder = place.icon_folder;
    session.begin_long_operation(QStringLiteral("Report"), 0);
    const QString page = analysis_report(entries, settings);
    QString error;
    const bool saved = QDir().mkpath(QFileInfo(place.report).absolutePath()) && save_report(place.report, page, &error);
    session.end_long_operation();
    if (!saved) {
        session.dialogs().message_box({QStringLiteral("The report cannot be written to %1: %2").arg(place.report, error), app_title,
                                       Buttons::Ok, Icon::Critical});
        return;
    }
    if (!session.dialogs().open_with_default_handler(place.report))
        session.dialogs().message_box({QStringLiteral("The report was written to %1, but no browser could show it.").arg(place.report),
                                       app_title, Buttons::Ok, Icon::Exclamation});
}

void document_statistics(EditorSession& session, const TagDatabase& db, const ReportPlace& place) {
    const Document* doc = session.documents().active();
    if (!doc) return;
    const QString text = session.editor().text();
    ResultList results;
    MetaSlots metas;
    MarkupScanner scanner(db, results, metas, AnalyzeMode::report);
    session.begin_long_operation(QStringLiteral("File"), static_cast<int>(std::min<qsizetype>(text.size(), INT_MAX)));
    scanner.set_progress(&session.progress());
    scanner.scan_text(text, text.toUtf8().size(), doc->path);
    session.end_long_operation();
    write_and_show(session, place, results.entries(), {false, {}, {}});
}

void website_statistics(EditorSession& session, const TagDatabase& db, const ReportPlace& place) {
    const Document* doc = session.documents().active();
    const QString start = doc ? QFileInfo(doc->path).absolutePath() : QDir::homePath();
    const std::optional<QString> chosen = session.dialogs().folder_dialog(QStringLiteral("Select WebSite Directory"), start);
    if (!chosen) return;
    const QString folder = QDir::cleanPath(*chosen);
    const QList<SiteFile> files = site_files(folder);
    session.begin_long_operation(QString(), 0);
    session.progress().open_progress(QStringLiteral("Files"), 0, QStringLiteral("Project"), static_cast<int>(files.size()));
    ScannedFiles scanned = scan_files(files, db, AnalyzeMode::report, session.progress());
    session.end_long_operation();
    write_and_show(session, place, scanned.results.entries(), {true, QDir::toNativeSeparators(folder), {}});
}

}  // namespace

void register_report_commands(CommandRegistry& handlers, EditorSession& session, const TagDatabase& db, ReportPlace place) {
    handlers.add(QStringLiteral("id_Statistics_Document"), [&session, &db, place] { document_statistics(session, db, place); });
    handlers.add(QStringLiteral("id_Statistics_Website"), [&session, &db, place] { website_statistics(session, db, place); });
}

}  // namespace tamsel
