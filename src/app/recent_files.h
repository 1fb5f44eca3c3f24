#pragma once
// The recent-file list: eight paths, the most recent first, kept in the settings store as "File1".."File8".
#include <QList>
#include <QString>
#include <array>
#include <functional>

namespace tamsel {

class SettingsStore;

struct RecentMenuItem {
    QString id;       // "id_RecentFile1".."id_RecentFile8"
    QString caption;  // the full path
    int image;        // 1 for .HTM and .HTML, 4 for .CSS, 5 otherwise
};

class RecentFiles {
public:
    static constexpr int size = 8;
    using Exists = std::function<bool(const QString&)>;

    explicit RecentFiles(Exists exists = {});

    // Puts path first (dropping the eighth entry and any other copy of the path), then blanks entries whose
    // file is gone and closes the gaps. "*" only tidies. Empty paths and network paths ("\\") are ignored.
    void remember_recent(const QString& path);
    void load_recent(const SettingsStore& store);
    void save_recent(SettingsStore& store) const;

    const QString& entry(int i) const { return entries_[i]; }
    QList<RecentMenuItem> menu_items() const;

private:
    std::array<QString, size> entries_;
    Exists exists_;
};

}  // namespace tamsel
