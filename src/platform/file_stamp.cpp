#include "platform/file_stamp.h"

#include <QDateTime>
#include <QFileInfo>

namespace tamsel {

FileStamp file_stamp(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

DiskChange disk_change(const FileStamp& was, const FileStamp& now) {
    if (was == now) return DiskChange::none;
    if (!now.exists) return was.exists ? DiskChange::deleted : DiskChange::none;
    return DiskChange::changed;
}

}  // namespace tamsel
