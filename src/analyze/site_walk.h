#pragma once
// The walk over a website folder that the site scans and `tamsel check` share: per pattern, the matching
// files of a folder (by name) before its sub-folders, depth first.
#include <QList>
#include <QString>
#include <QStringList>

namespace tamsel {

struct SiteFile {
    QString path;
    qint64 size = 0;
    bool script_file = false;  // found by the "*.JS" or "*.VBS" walk
    bool scanned = true;       // names ending in "$" (temporary files) are counted, not scanned
};

// The files of one walk with name patterns ("*.HTM*"), matched without regard to letter case. Hidden files
// and folders are included; a folder reached twice through links is walked once.
QList<SiteFile> walk_folder(const QString& folder, const QStringList& patterns, bool script_file);

// Every file of a site scan in its order: the "*.HTM*" walk, then "*.JS" and "*.VBS" as script files.
QList<SiteFile> site_files(const QString& folder);

}  // namespace tamsel
