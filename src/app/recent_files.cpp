#include "app/recent_files.h"

#include "platform/file_names.h"
#include "settings/settings_store.h"

#include <algorithm>

namespace tamsel {

RecentFiles::RecentFiles(Exists exists) : exists_(exists ? std::move(exists) : Exists(file_exists)) {}

void RecentFiles::remember_recent(const QString& path) {
    if (path.isEmpty() || path.contains(QStringLiteral("\\\\"))) return;
    if (path != QLatin1String("*") && !same_path(path, entries_[0])) {
        for (int i = size - 1; i >= 1; --i) entries_[i] = same_path(entries_[i - 1], path) ? QString() : entries_[i - 1];
        entries_[0] = path;
    }
    for (QString& e : entries_)
        if (!e.isEmpty() && !exists_(e)) e.clear();
    // Close the gaps, keeping the order of what is left.
    std::stable_partition(entries_.begin(), entries_.end(), [](const QString& e) { return !e.isEmpty(); });
}

void RecentFiles::load_recent(const SettingsStore& store) {
    for (int i = 0; i < size; ++i) entries_[i] = store.settings_read(QStringLiteral("File%1").arg(i + 1), QString());
    remember_recent(QStringLiteral("*"));
}

void RecentFiles::save_recent(SettingsStore& store) const {
    for (int i = 0; i < size; ++i) store.settings_write(QStringLiteral("File%1").arg(i + 1), entries_[i]);
}

QList<RecentMenuItem> RecentFiles::menu_items() const {
    QList<RecentMenuItem> items;
    for (int i = 0; i < size; ++i) {
        if (entries_[i].isEmpty()) continue;
        const QString upper = entries_[i].toUpper();
        const int image = (upper.endsWith(QLatin1String(".HTM")) || upper.endsWith(QLatin1String(".HTML"))) ? 1
                          : upper.endsWith(QLatin1String(".CSS"))                                           ? 4
                                                                                                            : 5;
        items.append({QStringLiteral("id_RecentFile%1").arg(i + 1), entries_[i], image});
    }
    return items;
}

}  // namespace tamsel
