#include "app/preview_files.h"

#include "app/document_kinds.h"
#include "platform/file_names.h"

#include <QFile>
#include <QSaveFile>

namespace tamsel {
namespace {

bool write_file(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit()) return true;
    *error = path + QStringLiteral(": ") + f.errorString();
    return false;
}

}  // namespace

bool PreviewFiles::holds(const QString& path) const { return !path_.isEmpty() && same_path(path_, path); }

bool PreviewFiles::write(const QString& path, const QByteArray& bytes, QString* error) {
    if (!holds(path)) {
        release();
        const QString backup = backup_path_of(path);
        const bool had_file = file_exists(path);
        if (had_file) {
            QFile::remove(backup);
            QFile saved(path);
            if (!saved.rename(backup)) {
                *error = path + QStringLiteral(": ") + saved.errorString();
                return false;
            }
        }
        path_ = path;
        had_file_ = had_file;
    }
    return write_file(path, bytes, error);
}

void PreviewFiles::release() {
    if (path_.isEmpty()) return;
    const QString backup = backup_path_of(path_);
    if (had_file_) {
        if (QFile::exists(backup)) {
            QFile::remove(path_);
            QFile::rename(backup, path_);
        }
    } else {
        QFile::remove(path_);
    }
    path_.clear();
    had_file_ = false;
}

}  // namespace tamsel
