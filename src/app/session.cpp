#include "app/session.h"

#include "app/batch_mode.h"
#include "app/command_rules.h"
#include "app/crash_journal.h"
#include "app/dispatcher.h"
#include "app/document_colouring.h"
#include "app/preview.h"
#include "app/progress_bar.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "platform/dialog_host.h"

namespace tamsel {

Session::Session(Workspace& ws, ShellView& view, Clipboard& clipboard, FormSet& forms)
    : ws_(ws), view_(view), clipboard_(clipboard), forms_(forms) {
    EditorBuffer& editor = ws.documents.editor();
    batch_ = std::make_unique<BatchMode>(editor, view);
    bar_ = std::make_unique<ProgressBar>(ws.progress, *batch_, ws.window, view);
    colouring_ = std::make_unique<DocumentColouring>(ws, editor, *batch_, *bar_, view);
    preview_ = std::make_unique<Preview>(ws, view);
    journal_ = std::make_unique<CrashJournal>(ws);
    documents_ = std::make_unique<Documents>(ws, view, *preview_, *colouring_, *journal_);
    dispatcher_ = std::make_unique<Dispatcher>(ws, handlers_, *documents_);
    register_all_commands(handlers_, *this);
}

Session::~Session() = default;

void Session::dispatch_command(const QString& id) { dispatcher_->dispatch_command(id); }

void Session::update_command_states() {
    tamsel::refresh_command_states(take_snapshot(ws_, clipboard_), handlers_, ws_.commands);
}

bool Session::tracking_check() {
    if (!preview_tracking_check(ws_.window, ws_.config)) return false;
    preview_->refresh_preview();
    return true;
}

void Session::text_edited() {
    ws_.mark_changed();
    documents_->text_edited();
    view_.refresh_command_states();
}

void Session::request_stop() {
    ws_.window.stop_request = true;
    ws_.dialogs.beep();
}

DocumentSet& Session::documents() { return ws_.documents; }
EditorBuffer& Session::editor() { return ws_.documents.editor(); }
DialogHost& Session::dialogs() { return ws_.dialogs; }
ProgressModel& Session::progress() { return ws_.progress; }

void Session::begin_long_operation(const QString& caption, int maximum) {
    ws_.window.stop_request = false;
    bar_->open_bar(caption, maximum);
}
bool Session::stop_requested() { return ws_.window.stop_request; }
void Session::end_long_operation() { bar_->close_bar(); }
void Session::mark_changed() { ws_.mark_changed(); }
void Session::recolour() { colouring_->colorize(1, -1); }
void Session::refresh_command_states() { view_.refresh_command_states(); }

void Session::refresh_gutter() {
    ws_.window.gutter_top = -1;
    view_.refresh_gutter();
}

void Session::show_status(const QString& text) { view_.show_status(text); }

}  // namespace tamsel
