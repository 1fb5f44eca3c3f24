#pragma once
// The browser previews of the active document: the split-screen and full-screen panes, and the two
// external browsers. The panes show the editor's current text through the preview scheme, with the
// document's folder as the base of its links; an external browser gets the saved file, or a copy in the
// private temporary folder when the text has changed. No preview writes, renames or deletes anything in
// the user's folders.
#include "app/preview_source.h"

namespace tamsel {

class Document;
class EditorBuffer;
class ShellView;
class Workspace;

class Preview {
public:
    Preview(Workspace& ws, ShellView& view);

    // Split screen on or off; nothing while the full-screen preview is on.
    void toggle_split();
    void toggle_full();
    // Leaves the full-screen preview.
    void view_source();
    // Shows the current text in the pane, when a pane is on.
    void refresh_preview();
    // The active document changed (switched, saved under a new name, closed): the pane follows.
    void document_shown() { refresh_preview(); }
    // Browser 1 or 2 on the document, waiting for it to end with the window taking no input meanwhile.
    void view_in_browser(int which);

    // What the pane's scheme handler serves.
    const PreviewSource& source() const { return source_; }
    // Where the preview places document: its own path, or for an untitled one the folder the program was
    // started in.
    QString address_of(const Document& doc) const;

private:
    bool pane_on() const;

    Workspace& ws_;
    EditorBuffer& editor_;
    ShellView& view_;
    PreviewSource source_;
};

}  // namespace tamsel
