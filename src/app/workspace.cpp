#include "app/workspace.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace tamsel {

Workspace::Workspace(Paths p, DialogHost& d, SettingsStore& s) : paths(std::move(p)), dialogs(d), store(s) {}

int cleanup_untitled_files(const QString& folder) {
    static const QRegularExpression untitled(QStringLiteral("^New File (0[1-9]|[1-9][0-9])\\..*$"));
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("New File *")}, QDir::Files | QDir::Hidden))
        if (untitled.match(name).hasMatch() && QFile::remove(dir.filePath(name))) ++removed;
    return removed;
}

void delete_analysis_scratch(const Paths& paths) {
    for (int n = 1; n <= 4; ++n) QFile::remove(paths.analysis_scratch(n));
}

}  // namespace tamsel
