#include "platform/whole_file.h"

namespace tamsel {

WholeFileWriter::WholeFileWriter(const QString& path) : file_(path) {
    // Unbuffered: a write that fails says why at once; a buffered one fails in commit() with the cause lost.
    ok_ = file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!ok_) fail();
}

void WholeFileWriter::fail() {
    ok_ = false;
    if (error_.isEmpty()) error_ = file_.errorString();
    file_.cancelWriting();
}

bool WholeFileWriter::write(QByteArrayView bytes) {
    for (qsizetype done = 0; ok_ && done < bytes.size();) {
        const qint64 wrote = file_.write(bytes.data() + done, bytes.size() - done);
        if (wrote <= 0) fail();
        else done += wrote;
    }
    return ok_;
}

bool WholeFileWriter::commit() {
    if (!ok_) return false;
    if (!file_.commit()) {
        ok_ = false;
        error_ = file_.errorString();
    }
    return ok_;
}

bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error) {
    WholeFileWriter file(path);
    const bool ok = file.write(bytes) && file.commit();
    if (!ok && error) *error = file.error();
    return ok;
}

}  // namespace tamsel
