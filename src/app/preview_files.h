#pragma once
// The preview shows the document's own file, so that its links and pictures resolve as on the site. While
// a preview holds a document, the saved file waits under the backup name (the path with its last
// character replaced by "$") and the current text stands in its place; letting go puts the saved file
// back. The user's file is thus never left changed by a preview.
#include <QByteArray>
#include <QString>

namespace tamsel {

class PreviewFiles {
public:
    PreviewFiles() = default;
    PreviewFiles(const PreviewFiles&) = delete;
    PreviewFiles& operator=(const PreviewFiles&) = delete;
    ~PreviewFiles() { release(); }

    // Writes bytes to path for a preview to show. The first write for a path moves the saved file (if any)
    // to the backup name; a held path is only rewritten. Holding another path lets the earlier one go
    // first. On failure nothing of the user's file is touched and error says why.
    bool write(const QString& path, const QByteArray& bytes, QString* error);
    // Puts the saved file back, or removes the written file when there was no saved one.
    void release();

    bool holds(const QString& path) const;
    const QString& held_path() const { return path_; }

private:
    QString path_;  // empty when nothing is held
    bool had_file_ = false;
};

}  // namespace tamsel
