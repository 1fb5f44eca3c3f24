#include "helpbuild/help_builder.h"

#include "core/progress_model.h"
#include "helpbuild/help_compiler.h"
#include "helpbuild/help_project_files.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace tamsel {
namespace {

// The path with symbolic links resolved as far as it exists, the rest appended: a folder that is still to
// be made compares like the one it will be.
QString resolved_path(const QString& path) {
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/")) {
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        rest = existing.mid(slash) + rest;
        existing = slash > 0 ? existing.left(slash) : QStringLiteral("/");
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + rest);
}

bool lies_in(const QString& inner, const QString& outer) {
    return inner == outer || inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

// The index page as the project names it: by the paths as given, else with links resolved.
QString index_topic(const HelpBuildRequest& request) {
    const QString topic = HelpLayout(request.site_folder).project_path(request.index_page);
    if (!topic.isEmpty()) return topic;
    return HelpLayout(resolved_path(request.site_folder)).project_path(resolved_path(request.index_page));
}

bool save_text(const QString& path, const QString& text, QString* error) {
    QString cause;
    if (write_whole_file(path, text.toUtf8(), &cause)) return true;
    *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), cause);
    return false;
}

// Copies one file; the copy is read by the compiler only, so plain writes do (no temporary file and rename
// per file, which costs more than the copying on a site of thousands of files).
bool copy_file(const QString& from, const QString& to, QString* error) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(from, in.errorString());
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        *error = QStringLiteral("%1: %2").arg(to, out.errorString());
        return false;
    }
    return true;
}

// Replaces the project's copy of the site with the files given (full paths inside the site).
bool copy_site_files(const QStringList& files, const HelpLayout& layout, const QString& folder, QString* error) {
    QDir copy(folder + QLatin1Char('/') + site_copy_folder);
    if (copy.exists() && !copy.removeRecursively()) {
        *error = QStringLiteral("%1: the old copy of the site cannot be removed").arg(copy.path());
        return false;
    }
    QSet<QString> made;
    for (const QString& file : files) {
        const QString target = folder + QLatin1Char('/') + layout.project_path(file);
        const QString target_folder = target.left(target.lastIndexOf(QLatin1Char('/')));
        if (!made.contains(target_folder)) {
            if (!QDir().mkpath(target_folder)) {
                *error = QStringLiteral("%1: the folder cannot be made").arg(target_folder);
                return false;
            }
            made.insert(target_folder);
        }
        if (!copy_file(file, target, error)) return false;
    }
    return true;
}

HelpCompileOutcome failure(const QString& message) {
    HelpCompileOutcome outcome;
    outcome.message = message;
    return outcome;
}

}  // namespace

QString help_build_refusal(const HelpBuildRequest& request) {
    if (!QFileInfo(request.site_folder).isDir())
        return QStringLiteral("The website folder %1 does not exist.").arg(request.site_folder);
    if (!QFileInfo(request.index_page).isFile())
        return QStringLiteral("The index page %1 does not exist.").arg(request.index_page);
    if (index_topic(request).isEmpty())
        return QStringLiteral("The index page %1 is not inside the website folder %2.").arg(request.index_page, request.site_folder);
    const QString site = resolved_path(request.site_folder);
    const QString project = resolved_path(request.project_folder);
    if (lies_in(project, site))
        return QStringLiteral("The help folder %1 lies inside the website folder %2: its copy of the site would become "
                              "part of the site.").arg(request.project_folder, request.site_folder);
    if (lies_in(site, project + QLatin1Char('/') + site_copy_folder))
        return QStringLiteral("The website folder %1 lies inside the help's copy of a site, which each build replaces.")
            .arg(request.site_folder);
    return {};
}

QString help_file_path(const QString& folder, const QString& suffix) {
    return folder + QLatin1Char('/') + help_base_name + suffix;
}

HelpProjectOutcome write_help_project(const QList<ResultEntry>& results, const HelpBuildRequest& request,
                                      ProgressModel* progress) {
    HelpProjectOutcome outcome;
    outcome.error = help_build_refusal(request);
    if (!outcome.error.isEmpty()) return outcome;
    const HelpLayout layout(request.site_folder);
    HelpEntries help = help_entries(results, layout, progress);
    outcome.left_out = help.left_out;
    const QString folder = request.project_folder;
    if (!QDir().mkpath(folder)) {
        outcome.error = QStringLiteral("%1: the folder cannot be made").arg(folder);
        return outcome;
    }
    if (!copy_site_files(help.copied, layout, folder, &outcome.error)) return outcome;
    outcome.project_file = help_file_path(folder, QStringLiteral(".hhp"));
    outcome.contents_file = help_file_path(folder, QStringLiteral(".hhc"));
    outcome.index_file = help_file_path(folder, QStringLiteral(".hhk"));
    // The panel counts a pass over the records for the entries and one for each file.
    const int records = static_cast<int>(results.size());
    const auto written = [&](const QString& path, const QString& text, int passes) {
        const bool saved = save_text(path, text, &outcome.error);
        if (progress) progress->advance_progress(0, passes * records, true);
        return saved;
    };
    outcome.written = written(outcome.project_file, help_project_text(help.entries, index_topic(request)), 2) &&
                      written(outcome.contents_file, help_contents_text(help.entries, request.generator), 3) &&
                      written(outcome.index_file, help_index_text(help.entries, request.generator), 4);
    return outcome;
}

HelpCompileOutcome compile_help_project(const QString& folder, const QString& compiler) {
    const QString log_file = help_file_path(folder, QStringLiteral(".log"));
    const QString compiled_file = help_file_path(folder, QStringLiteral(".chm"));
    QFile::remove(log_file);
    QFile::remove(compiled_file);
    if (compiler.isEmpty())
        return failure(QStringLiteral("The help compiler %1 was not found. Install the Debian package %2, or name the "
                                      "compiler in Tamsel2001 Preferences.").arg(default_help_compiler, help_compiler_package));

    const CompilerRun run = run_compiler(compiler, compiler_arguments(compiler, help_file_path(folder, QStringLiteral(".hhp"))), folder);
    if (!run.started)
        return failure(QStringLiteral("The help compiler %1 could not be started: %2").arg(compiler, run.start_error));
    QString error;
    HelpCompileOutcome outcome;
    outcome.log_file = log_file;
    outcome.compiled_file = compiled_file;
    const QString log = QString::fromUtf8(run.output);
    if (!save_text(log_file, log, &error)) outcome.log_file.clear();
    outcome.error_lines = log_error_lines(log);
    if (!run.succeeded()) {
        const QString what = run.crashed ? QStringLiteral("crashed")
                                         : QStringLiteral("failed (exit status %1)").arg(run.exit_code);
        const QString details = outcome.error_lines.isEmpty() ? log_tail(log) : outcome.error_lines.join(QStringLiteral("\r\n"));
        outcome.message = QStringLiteral("The help compiler %1 %2:\r\n%3").arg(compiler, what, details);
    } else if (!outcome.error_lines.isEmpty()) {
        outcome.status = CompileStatus::log_errors;
    } else if (!QFileInfo(compiled_file).isFile()) {
        outcome.message = QStringLiteral("The help compiler %1 wrote no compiled file %2:\r\n%3").arg(compiler, compiled_file, log_tail(log));
    } else {
        outcome.status = CompileStatus::compiled;
    }
    return outcome;
}

}  // namespace tamsel
