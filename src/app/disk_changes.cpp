// Files that another program changes or deletes while they are open: the check the window runs when it
// gets the focus, and the reload.
#include "app/documents.h"
#include "app/preview.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "core/document_kinds.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"
#include "settings/config_table.h"

namespace tamsel {
namespace {

QString changed_question(const Document& doc) {
    QString text = QStringLiteral("'%1' has been changed on disk by another program.\r\n").arg(doc.path);
    text += doc.changed ? QStringLiteral("Reload it and lose your changes, or keep your text?")
                        : QStringLiteral("Reload it, or keep the text you have?");
    return text;
}

QString deleted_note(const Document& doc) {
    return QStringLiteral("'%1' has been deleted or moved on disk.\r\n"
                          "Its text stays here; Save writes the file again.")
        .arg(doc.path);
}

}  // namespace

void Documents::check_disk_changes() {
    if (checking_disk_) return;
    checking_disk_ = true;
    for (int index = 1; index <= ws_.documents.count(); ++index) {
        Document& doc = ws_.documents.at(index);
        if (is_untitled(doc.path)) continue;
        const FileStamp now = file_stamp(doc.path);
        const DiskChange change = disk_change(doc.on_disk, now);
        if (change == DiskChange::none) continue;
        // Asked once per change: a later check asks again only when the file changes again.
        doc.on_disk = now;
        if (change == DiskChange::changed) {
            const MessageRequest question{changed_question(doc), app_title, Buttons::YesNo, Icon::Question,
                                          {QStringLiteral("Reload"), QStringLiteral("Keep mine")}};
            if (ws_.dialogs.message_box(question) == Answer::Yes) {
                reload(index);
                continue;
            }
        } else {
            ws_.dialogs.message_box({deleted_note(doc), app_title, Buttons::Ok, Icon::Exclamation});
        }
        // The text no longer matches the disk: closing asks to save it, and only the user writes it.
        doc.changed = true;
        if (ws_.documents.active_index() == index) show_changed_mark();
        else show_tab(index);
    }
    checking_disk_ = false;
    view_.refresh_command_states();
}

void Documents::reload(int index) {
    if (ws_.documents.active_index() != index) {
        view_.select_tab(index - 1);
        activate(index, Activate::shown, nullptr);
    }
    Document& doc = ws_.documents.at(index);
    DecodedText file;
    if (!read_file(doc.path, file)) return;
    const qsizetype caret = editor_.selection_start();
    const int top = editor_.first_visible_line();
    doc.encoding = file.encoding;
    doc.line_ends = file.line_ends;
    doc.binary = file.binary;
    load_text(doc, std::move(file));
    doc.on_disk = file_stamp(doc.path);
    view_.set_document_style(doc.line_ends, ws_.config.config_int(font_size));
    // The user stays about where they were, as far as the new text reaches.
    editor_.set_selection(qMin(caret, editor_.length()), 0);
    editor_.scroll_lines(top - editor_.first_visible_line());
    ws_.window.text_dirty = true;
    show_changed_mark();
    view_.refresh_gutter();
    preview_.document_shown();
}

}  // namespace tamsel
