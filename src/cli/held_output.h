#pragma once
// The cleaned bytes of a page on their way to standard output, which may take them only once the page's
// problems are known. Until then a large result waits a part at a time in a temporary file rather than in
// memory; where no temporary file can be written, it waits in memory.
#include <QByteArray>
#include <QTemporaryFile>

namespace tamsel::cli {

class HeldOutput {
public:
    // Keeps part after the parts before it.
    void hold(const QByteArray& part);
    // Writes the parts held, then rest, to standard output; false (with a message for a temporary file
    // that cannot be read back) when it cannot.
    bool release(const QByteArray& rest);

private:
    QTemporaryFile file_;
    qint64 in_file_ = 0;     // the bytes of the parts the file holds whole
    bool file_failed_ = false;
    QByteArray in_memory_;  // the parts after those, once the file failed
};

}  // namespace tamsel::cli
