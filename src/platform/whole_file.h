#pragma once
// Writing a file the user cares about: the new bytes go to a temporary file beside it, which replaces the
// file only when every byte is written, so a full disk, a lost permission or a crash leaves the old file
// whole.
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace tamsel {

// Writes bytes to path. On failure the file is as it was, and error (when given) says why in the system's
// words ("No space left on device").
bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error = nullptr);

// The same for bytes that come a part at a time, so that a large result need not be held whole: the file
// at path is replaced by commit, and left as it was when the writer goes without one.
class WholeFileWriter {
public:
    explicit WholeFileWriter(const QString& path);

    // False once anything failed; the parts after that are dropped.
    bool write(QByteArrayView bytes);
    // Replaces the file with what was written; false, and the file as it was, when anything failed.
    bool commit();
    // Why the first failure failed, in the system's words.
    const QString& error() const { return error_; }

private:
    void fail();

    QSaveFile file_;
    QString error_;
    bool ok_ = false;
};

}  // namespace tamsel
