#pragma once
// What the logic of documents and commands asks of the main window. The window implements it; the logic
// never touches a widget.
#include "app/recent_files.h"
#include "platform/text_codec.h"

#include <QList>
#include <QString>
#include <QUrl>

namespace tamsel {

class ShellView {
public:
    virtual ~ShellView() = default;

    // The tabs of project_strip, counted from 0 in document order.
    virtual void add_tab(const QString& caption, int image, const QString& tip) = 0;
    virtual void remove_tab(int index) = 0;
    virtual void select_tab(int index) = 0;
    // A tab after its document changed: its caption (with the changed mark), its type's image and its
    // tip, the path, which a Save As may have changed.
    virtual void set_tab(int index, const QString& caption, int image, const QString& tip) = 0;

    virtual void set_caption(const QString& caption) = 0;
    virtual void set_recent_menu(const QList<RecentMenuItem>& items) = 0;
    // The editor's settings for the active document: the line end that Enter inserts, the font size.
    virtual void set_document_style(LineEnds line_ends, int font_size) = 0;

    // Places the panes after a change of the active document or of the preview flags.
    virtual void layout_view() = 0;
    // Shows or hides gutter, special characters and tool bar after a view toggle, then lays out.
    virtual void refresh_view() = 0;
    virtual void refresh_gutter() = 0;
    // A note in the status bar for a few seconds.
    virtual void show_status(const QString&) {}
    // Computes which commands are enabled now and shows it (nothing while a long operation runs).
    virtual void refresh_command_states() = 0;

    // The preview pane shows address (served by the preview's source), loading it again when it shows it
    // already.
    virtual void show_preview(const QUrl& address) = 0;
    // Off while an external browser runs: the window takes no input meanwhile.
    virtual void set_input_enabled(bool on) = 0;
    virtual void set_busy(bool on) = 0;
    virtual void let_events_run() = 0;
    virtual void show_about() = 0;
    // The whole document was just coloured: colouring that waits for typing to pause has nothing to do.
    virtual void document_coloured() {}
};

}  // namespace tamsel
