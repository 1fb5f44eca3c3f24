#include "app/preview.h"

#include "app/shell_view.h"
#include "app/workspace.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"

namespace tamsel {

bool Preview::pane_on() const { return ws_.window.split_preview_on || ws_.window.full_preview_on; }

void Preview::release_unless_shown() {
    if (!pane_on()) files_.release();
}

bool Preview::write_active() {
    const WindowState& st = ws_.window;
    if (st.active_doc < 1) return false;
    const DocumentRecord& doc = ws_.documents.at(st.active_doc);
    QString error;
    if (files_.write(doc.path, encode_document(editor_.text(), doc.encoding), &error)) return true;
    ws_.dialogs.message_box({error, app_title, Buttons::Ok, Icon::Exclamation});
    return false;
}

void Preview::toggle_split() {
    WindowState& st = ws_.window;
    if (st.full_preview_on) return;
    st.split_preview_on = !st.split_preview_on;
    st.full_preview_on = false;
    release_unless_shown();
    view_.refresh_view();
    refresh_preview();
    view_.refresh_command_states();
}

void Preview::toggle_full() {
    WindowState& st = ws_.window;
    st.full_preview_on = !st.full_preview_on;
    release_unless_shown();
    view_.refresh_view();
    refresh_preview();
    view_.refresh_command_states();
}

void Preview::view_source() {
    ws_.window.full_preview_on = false;
    release_unless_shown();
    view_.layout_view();
    view_.refresh_command_states();
}

void Preview::refresh_preview() {
    const WindowState& st = ws_.window;
    if (!pane_on() || st.active_doc < 1) return;
    if (write_active()) view_.navigate_preview(ws_.documents.at(st.active_doc).path);
}

void Preview::view_in_browser(int which) {
    WindowState& st = ws_.window;
    if (st.active_doc < 1) return;
    const bool changed = st.doc_changed;
    view_.set_busy(true);
    if (write_active()) {
        const QString program = ws_.config.config_text(which == 1 ? ie_path : netscape_path);
        view_.set_input_enabled(false);
        const bool started = ws_.dialogs.start_program(program, {ws_.documents.at(st.active_doc).path}, true);
        view_.let_events_run();
        view_.set_input_enabled(true);
        ws_.dialogs.beep();
        if (!started)
            ws_.dialogs.message_box({QStringLiteral("The browser '%1' could not be started.").arg(program), app_title,
                                     Buttons::Ok, Icon::Exclamation});
    }
    view_.set_busy(false);
    release_unless_shown();
    st.doc_changed = changed;
}

}  // namespace tamsel
