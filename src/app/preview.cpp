#include "app/preview.h"

#include <QUrl>

#include "app/shell_view.h"
#include "app/workspace.h"
#include "core/document_kinds.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"
#include "platform/file_names.h"

namespace tamsel {

Preview::Preview(Workspace& ws, ShellView& view) : ws_(ws), editor_(ws.documents.editor()), view_(view) {}

bool Preview::pane_on() const { return ws_.window.split_preview_on || ws_.window.full_preview_on; }

QString Preview::address_of(const Document& doc) const {
    if (!is_untitled(doc.path)) return doc.path;
    return ws_.paths.start_folder + QLatin1Char('/') + file_name_part(doc.path);
}

void Preview::toggle_split() {
    WindowState& st = ws_.window;
    if (st.full_preview_on) return;
    st.split_preview_on = !st.split_preview_on;
    st.full_preview_on = false;
    view_.refresh_view();
    refresh_preview();
    view_.refresh_command_states();
}

void Preview::toggle_full() {
    WindowState& st = ws_.window;
    st.full_preview_on = !st.full_preview_on;
    view_.refresh_view();
    refresh_preview();
    view_.refresh_command_states();
}

void Preview::view_source() {
    ws_.window.full_preview_on = false;
    view_.layout_view();
    view_.refresh_command_states();
}

void Preview::refresh_preview() {
    const Document* doc = ws_.documents.active();
    if (!doc) {
        // The last document closed: the pane must not go on showing it.
        source_.clear();
        if (pane_on()) view_.show_preview(QUrl(QStringLiteral("about:blank")));
        return;
    }
    if (!pane_on()) return;
    const QString address = address_of(*doc);
    source_.set_document(address, editor_.text());
    view_.show_preview(preview_url(address));
}

void Preview::view_in_browser(int which) {
    const Document* doc = ws_.documents.active();
    if (!doc) return;
    QString file = doc->path;
    // The saved file is what the browser shows while it says what the editor holds; otherwise a copy.
    if (doc->changed || !file_exists(file)) {
        QString error;
        file = write_browser_copy(ws_.paths.temp, address_of(*doc), editor_.text(), doc->encoding, &error);
        if (file.isEmpty()) {
            ws_.dialogs.message_box({error, app_title, Buttons::Ok, Icon::Exclamation});
            return;
        }
    }
    const QString program = ws_.config.config_text(which == 1 ? ie_path : netscape_path);
    view_.set_busy(true);
    view_.set_input_enabled(false);
    const bool started = ws_.dialogs.start_program(program, {file}, true);
    view_.let_events_run();
    view_.set_input_enabled(true);
    ws_.dialogs.beep();
    view_.set_busy(false);
    if (!started)
        ws_.dialogs.message_box({QStringLiteral("The browser '%1' could not be started.").arg(program), app_title,
                                 Buttons::Ok, Icon::Exclamation});
}

}  // namespace tamsel
