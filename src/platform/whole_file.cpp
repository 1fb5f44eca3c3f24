#include "platform/whole_file.h"

#include <QSaveFile>

namespace tamsel {

bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered: a write that fails says why at once; a buffered one fails in commit() with the cause lost.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const qint64 wrote = file.write(bytes.data() + done, bytes.size() - done);
        ok = wrote > 0;
        done += ok ? wrote : 0;
    }
    if (!ok) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace tamsel
