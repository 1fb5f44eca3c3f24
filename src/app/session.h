#pragma once
// The editing session: the application logic behind the main window. It owns the document operations,
// the previews, the colouring, the progress bar and the command handlers, and is what a feature's commands
// reach (EditorSession). The window implements ShellView and forwards what the user does; tests run the
// same session against a fake ShellView and the memory editor.
#include "app/documents.h"
#include "core/command_registry.h"
#include "core/editor_session.h"

#include <memory>

namespace tamsel {

class BatchMode;
class Clipboard;
class CrashJournal;
class Dispatcher;
class DocumentColouring;
class Preview;
class ProgressBar;
class ShellView;
class Workspace;

class Session : public EditorSession {
public:
    Session(Workspace& ws, ShellView& view, Clipboard& clipboard, FormSet& forms);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs a command id (see Dispatcher).
    void dispatch_command(const QString& id);
    // The enabled flags of every command, from the state now, into the workspace's command states.
    void update_command_states();
    // The preview-tracking check of the timer and of Enter; true when it refreshed the preview.
    bool tracking_check();
    // What follows each change the user makes in the editor (a key, a paste, an undo): the changed mark
    // and the command states. It runs on every key, so it reads flags, never the text.
    void text_edited();
    // Escape: asks a running pass (the colouring) to stop.
    void request_stop();

    Workspace& workspace() { return ws_; }
    Documents& files() { return *documents_; }
    Preview& preview() { return *preview_; }
    DocumentColouring& colouring() { return *colouring_; }
    CrashJournal& journal() { return *journal_; }
    ProgressBar& bar() { return *bar_; }
    ShellView& view() { return view_; }
    Clipboard& clipboard() { return clipboard_; }
    const CommandRegistry& handlers() const { return handlers_; }

    // EditorSession
    DocumentSet& documents() override;
    EditorBuffer& editor() override;
    DialogHost& dialogs() override;
    FormSet& forms() override { return forms_; }
    void begin_long_operation(const QString& caption, int maximum) override;
    void end_long_operation() override;
    ProgressModel& progress() override;
    bool stop_requested() override;
    void mark_changed() override;
    void recolour() override;
    void refresh_command_states() override;
    void refresh_gutter() override;
    void show_status(const QString& text) override;

private:
    Workspace& ws_;
    ShellView& view_;
    Clipboard& clipboard_;
    FormSet& forms_;
    CommandRegistry handlers_;
    std::unique_ptr<BatchMode> batch_;
    std::unique_ptr<ProgressBar> bar_;
    std::unique_ptr<DocumentColouring> colouring_;
    std::unique_ptr<Preview> preview_;
    std::unique_ptr<CrashJournal> journal_;
    std::unique_ptr<Documents> documents_;
    std::unique_ptr<Dispatcher> dispatcher_;
};

// Registers the handlers of every feature: one line a feature.
void register_all_commands(CommandRegistry& handlers, Session& session);

}  // namespace tamsel
