#pragma once
// Writing a file the user cares about: the new bytes go to a temporary file beside it, which replaces the
// file only when every byte is written, so a full disk, a lost permission or a crash leaves the old file
// whole.
#include <QByteArrayView>
#include <QString>

namespace tamsel {

// Writes bytes to path. On failure the file is as it was, and error (when given) says why in the system's
// words ("No space left on device").
bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error = nullptr);

}  // namespace tamsel
