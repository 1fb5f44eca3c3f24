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

void Workspace::mark_changed() {
    if (Document* doc = documents.active()) doc->changed = true;
    window.text_dirty = true;
    ++window.edits;
}

}  // namespace tamsel
