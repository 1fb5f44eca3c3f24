#pragma once
// What a feature's commands reach of the editing session: the open documents and the editor that shows
// the active one, the questions to the user (generic ones and the feature's own forms), the progress
// panel, and the few things the window must do after a command changed the text.
#include <QString>

namespace tamsel {

class DialogHost;
class DocumentSet;
class EditorBuffer;
class FormSet;
class ProgressModel;

class EditorSession {
public:
    virtual ~EditorSession() = default;

    virtual DocumentSet& documents() = 0;
    virtual EditorBuffer& editor() = 0;
    virtual DialogHost& dialogs() = 0;
    virtual FormSet& forms() = 0;

    // A long operation: the editor frozen and kept where it was, the busy pointer, commands and tab clicks
    // ignored, and the progress panel with caption (none of its own when empty) and maximum.
    virtual void begin_long_operation(const QString& caption, int maximum) = 0;
    virtual void end_long_operation() = 0;
    virtual ProgressModel& progress() = 0;
    // Whether the user asked the long operation under way to stop (Escape, heard while the progress
    // panel lets events run); each long operation starts without such a request.
    virtual bool stop_requested() = 0;

    // The active document's text was changed by the command.
    virtual void mark_changed() = 0;
    // Colours the whole active document again, when colouring is on.
    virtual void recolour() = 0;
    virtual void refresh_command_states() = 0;
    // Draws the line numbers and the active document's bookmarks beside the text again.
    virtual void refresh_gutter() = 0;
    // A short note in the status bar ("12 replaced"), gone after a few seconds.
    virtual void show_status(const QString& text) = 0;
};

}  // namespace tamsel
