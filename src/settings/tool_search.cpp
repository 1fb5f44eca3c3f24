#include "settings/tool_search.h"

#include "settings/config_table.h"

#include <QDir>
#include <QFileInfo>

namespace tamsel {
namespace {

// Pseudo file systems hold no programs and never end when walked.
const QStringList skipped_roots = {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"), QStringLiteral("/run")};

}  // namespace

bool ToolSearch::complete() const {
    for (const QString& f : found)
        if (f.isEmpty()) return false;
    return true;
}

void ToolSearch::find_tools(const QStringList& drives, const QString& path_env) {
    folders_visited = 0;
    for (const QString& dir : path_env.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (complete()) return;
        search_folder(dir, false);
    }
    for (const QString& entry : drives) {
        if (complete()) return;
        const qsizetype bracket = entry.indexOf(QLatin1Char('['));
        if (bracket < 0) continue;
        const QString mount = entry.left(bracket).trimmed();
        if (!mount.isEmpty()) search_folder(mount, true);
    }
}

void ToolSearch::search_folder(const QString& dir, bool recurse) {
    if (complete() || skipped_roots.contains(QDir::cleanPath(dir))) return;
    QDir d(dir);
    if (!d.isReadable()) return;
    ++folders_visited;
    const QFileInfoList files = d.entryInfoList(QDir::Files | QDir::Executable | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& f : files) consider(d.absolutePath(), f.fileName());
    if (!recurse) return;
    // Links to folders are not followed, so a loop of links cannot trap the walk.
    const QFileInfoList subdirs = d.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo& sub : subdirs) {
        if (complete()) return;
        search_folder(sub.absoluteFilePath(), true);
    }
}

void ToolSearch::consider(const QString& dir, const QString& file_name) {
    const QString lower = file_name.toLower();
    for (std::size_t t = 0; t < tool_names.size(); ++t) {
        if (!found[t].isEmpty()) continue;
        for (QStringView name : tool_names[t].names)
            if (!name.isEmpty() && lower == name) found[t] = QDir(dir).filePath(file_name);
    }
}

void ToolSearch::apply(ConfigTable& config) const {
    // A program the search did not find leaves the path the user set alone.
    constexpr std::array<int, 3> tool_slots = {ie_path, netscape_path, htmlhelp_path};
    for (std::size_t t = 0; t < tool_slots.size(); ++t)
        if (!found[t].isEmpty()) config.set_value(tool_slots[t], found[t]);
    config.validate_tool_paths();
}

}  // namespace tamsel
