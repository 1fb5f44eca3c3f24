#pragma once
// Path helpers. File systems here are case-sensitive: paths keep their letter case and two paths name the
// same file only when they are equal after cleaning.
#include <QDir>
#include <QFileInfo>
#include <QString>

namespace tamsel {

inline bool same_path(const QString& a, const QString& b) {
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

inline bool file_exists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

// The part after the last "/".
inline QString file_name_part(const QString& path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); }

}  // namespace tamsel
