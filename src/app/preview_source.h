#pragma once
// What a preview shows, without touching the user's folders. The preview pane asks for pages under its own
// address scheme: the document's address answers with the text in the editor, every other address with the
// file of that path as it is on disk, so links, pictures, style sheets and scripts resolve in the
// document's own folder. An external browser cannot ask us, so it gets a copy in the private temporary
// folder that points back to the document's folder.
#include "platform/text_codec.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace tamsel {

inline constexpr char preview_scheme[] = "tamsel-preview";

// tamsel-preview:/the/absolute/path: relative addresses in the page resolve next to the document.
QUrl preview_url(const QString& document_path);

struct PreviewReply {
    bool found = false;
    QByteArray body;
    QByteArray mime_type;  // with "; charset=utf-8" for the document itself
};

class PreviewSource {
public:
    // The document the previews show and its current text; its file need not exist (untitled).
    void set_document(const QString& path, const QString& text);
    void clear();
    const QString& document_path() const { return path_; }

    // The document's address gives its text as UTF-8, any other address of the scheme the regular file
    // of that path. Reads only.
    PreviewReply serve(const QUrl& url) const;

private:
    QString path_;  // cleaned absolute path; empty when there is no document
    QString text_;
};

// Writes the text for an external browser to temp_folder/browser under the document's file name, in its
// encoding, with a <base> naming the document's folder so that relative links resolve there (unless the
// page has its own). Returns the copy's path, or an empty string with error set.
QString write_browser_copy(const QString& temp_folder, const QString& document_path, const QString& text,
                           TextEncoding encoding, QString* error);

}  // namespace tamsel
