#pragma once
// What a file on disk looked like when the editor last read or wrote it, so that a change made by another
// program is noticed: whether it exists, its size and its time of last change.
#include <QString>

namespace tamsel {

struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modified_ms = 0;  // milliseconds since the epoch, UTC
    bool operator==(const FileStamp&) const = default;
};

FileStamp file_stamp(const QString& path);

enum class DiskChange { none, changed, deleted };

// How the file has changed since was, now that it looks like now. A file that was not there when the
// stamp was taken (a new document) and is still missing has not changed.
DiskChange disk_change(const FileStamp& was, const FileStamp& now);

}  // namespace tamsel
