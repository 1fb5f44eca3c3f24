#pragma once
// The browser previews of the active document: the split-screen and full-screen panes, and the two
// external browsers. Each shows the document's own file with the current text in it; the saved file is
// put back when no preview needs the text any more (see PreviewFiles).
#include "app/preview_files.h"

namespace tamsel {

class EditorBuffer;
class ShellView;
class Workspace;

class Preview {
public:
    Preview(Workspace& ws, EditorBuffer& editor, ShellView& view) : ws_(ws), editor_(editor), view_(view) {}

    // Split screen on or off; nothing while the full-screen preview is on.
    void toggle_split();
    void toggle_full();
    // Leaves the full-screen preview.
    void view_source();
    // Writes the text to the file and shows it, when a preview pane is on.
    void refresh_preview();
    // Browser 1 or 2 on the file, waiting for it to end with the window taking no input meanwhile.
    void view_in_browser(int which);
    // Puts the saved file back: when the active document changes or closes, before a save, at shutdown.
    void release() { files_.release(); }
    bool holds(const QString& path) const { return files_.holds(path); }

private:
    bool pane_on() const;
    // Writes the editor text to the active document's file; shows the error and returns false on failure.
    bool write_active();
    // Lets the file go when no pane shows it any more.
    void release_unless_shown();

    Workspace& ws_;
    EditorBuffer& editor_;
    ShellView& view_;
    PreviewFiles files_;
};

}  // namespace tamsel
