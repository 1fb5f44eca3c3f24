#include "app/documents.h"

#include "app/command_rules.h"
#include "app/document_colouring.h"
#include "app/preview.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "core/document_kinds.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"
#include "platform/file_names.h"
#include "platform/whole_file.h"
#include "wizards/new_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tamsel {
namespace {

// The caption of the window and the tab's name, with a "*" before the name while the document is changed.
QString caption_for(const QString& path, bool changed = false) {
    if (path.isEmpty()) return app_title;
    return app_title + QStringLiteral(" : ") + (changed ? QStringLiteral("*") : QString()) + path.toUpper();
}

QString tab_caption_for(const Document& doc) {
    return (doc.changed ? QStringLiteral("*") : QString()) + tab_caption_of(doc.path);
}

}  // namespace

Documents::Documents(Workspace& ws, ShellView& view, Preview& preview, DocumentColouring& colouring,
                     DocumentEvents& events)
    : ws_(ws), editor_(ws.documents.editor()), view_(view), preview_(preview), colouring_(colouring), events_(events) {}

void Documents::show_error(const QString& text) {
    ws_.dialogs.message_box({text, app_title, Buttons::Ok, Icon::Exclamation});
}

bool Documents::new_document(const QString& extension) {
    const auto path = ws_.documents.untitled_candidate(ws_.paths.user_data, extension);
    if (!path) {
        show_error(QStringLiteral("No new document can be made: the names New File 01 to New File 99 are all taken.\r\n"
                                  "Save or close one of them first."));
        return false;
    }
    return open_document(*path, true);
}

bool Documents::new_from_choice(const QString& choice, const QString& template_file) {
    const NewDocumentKind* kind = find_new_document_kind(choice);
    if (!kind) return false;
    const bool from_template = kind->id == template_kind_id;
    DecodedText tpl;
    if (from_template && (template_file.isEmpty() || !read_file(template_file, tpl))) return false;
    if (!new_document(kind->extension.toString())) return false;
    if (from_template) {
        editor_.set_text(tpl.whole_text());
        ws_.documents.active()->line_ends = tpl.line_ends;
        ws_.mark_changed();
    }
    return true;
}

void Documents::open_command() {
    FileRequest request = file_request(FileDialogMode::Open, combined_filter, QString());
    const Document* doc = ws_.documents.active();
    request.directory = doc && !is_untitled(doc->path) ? QFileInfo(doc->path).absolutePath() : ws_.paths.start_folder;
    const auto path = ws_.dialogs.file_dialog(request);
    if (!path) return;
    remember_recent(*path);
    open_document(*path, false);
}

bool Documents::read_file(const QString& path, DecodedText& out) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        show_error(path + QStringLiteral(": ") + f.errorString());
        return false;
    }
    out = decode_for_editor(f.readAll());
    if (f.error() != QFileDevice::NoError) {
        show_error(path + QStringLiteral(": ") + f.errorString());
        return false;
    }
    if (!out.binary) return true;
    const QString question = QStringLiteral("'%1' holds NUL bytes: it looks like a binary file, not a page.\r\n"
                                            "Open it anyway? It is written back only if you change it.")
                                 .arg(path);
    return ws_.dialogs.message_box({question, app_title, Buttons::YesNo, Icon::Question}) == Answer::Yes;
}

bool Documents::open_document(const QString& path, bool is_new) {
    DocumentSet& docs = ws_.documents;
    if (const int found = docs.find_path(path)) {
        ws_.dialogs.beep();
        ws_.dialogs.message_box({QStringLiteral("Project File : \r\n'%1'\r\nis already open").arg(path),
                                 QStringLiteral("File already in use"), Buttons::Ok, Icon::None});
        view_.select_tab(found - 1);
        return activate(found, Activate::shown, nullptr);
    }
    if (docs.free_number() == 0) {
        show_error(QStringLiteral("No more than %1 documents can be open at once.\r\nClose one of them first.")
                       .arg(DocumentSet::max_documents));
        return false;
    }
    DecodedText file;
    if (!is_new && !read_file(path, file)) return false;

    const int index = docs.add(path);
    Document& doc = docs.at(index);
    doc.encoding = file.encoding;
    doc.line_ends = file.line_ends;
    doc.binary = file.binary;
    doc.on_disk = file_stamp(path);
    ws_.window.tabs_updating = true;
    view_.add_tab(tab_caption_of(path), doc.type(), path);
    view_.select_tab(index - 1);
    ws_.window.tabs_updating = false;
    return activate(index, is_new ? Activate::empty : Activate::file, &file);
}

bool Documents::open_unsaved(const QString& path, const DecodedText& text) {
    int index = ws_.documents.find_path(path);
    if (index == 0) {
        if (!open_document(path, true)) return false;
        index = ws_.documents.active_index();
    } else {
        view_.select_tab(index - 1);
        activate(index, Activate::shown, nullptr);
    }
    Document& doc = ws_.documents.at(index);
    doc.encoding = text.encoding;
    doc.line_ends = text.line_ends;
    view_.set_document_style(doc.line_ends, ws_.config.config_int(font_size));
    editor_.set_text(text.text);
    ws_.mark_changed();
    if (ws_.window.highlight_on) colouring_.colorize(1, -1);
    view_.refresh_command_states();
    return true;
}

bool Documents::activate_document(int index, Activate mode) { return activate(index, mode, nullptr); }

void Documents::tab_clicked(int index) {
    DocumentSet& docs = ws_.documents;
    if (ws_.window.tabs_updating || index + 1 == docs.active_index()) {
        view_.select_tab(docs.active_index() - 1);
        return;
    }
    if (!activate(index + 1, Activate::shown, nullptr)) view_.select_tab(docs.active_index() - 1);
}

void Documents::keep_place(Document& doc) {
    doc.sel_start = editor_.selection_start();
    doc.sel_length = editor_.selection_length();
    doc.top_line = editor_.first_visible_line();
}

bool Documents::activate(int index, Activate mode, DecodedText* file_text) {
    DocumentSet& docs = ws_.documents;
    WindowState& st = ws_.window;
    view_.layout_view();
    if (index == docs.active_index()) return true;
    if (index < 1 || index > docs.count()) return false;
    if (Document* left = docs.active()) {
        keep_place(*left);
        events_.leaving(*left);
    }
    docs.activate(index);
    Document& doc = docs.at(index);
    // The style first: changing it after the text is in would lay the text out again.
    view_.set_document_style(doc.line_ends, ws_.config.config_int(font_size));
    if (mode == Activate::file) {
        DecodedText read;
        if (!file_text) file_text = read_file(doc.path, read) ? &read : nullptr;
        load_text(doc, file_text ? std::move(*file_text) : DecodedText());
    }
    show_document_commands(ws_.commands, true);
    editor_.set_selection(doc.sel_start, doc.sel_length);
    editor_.scroll_lines(doc.top_line - editor_.first_visible_line());
    if (doc.changed) st.text_dirty = true;
    st.gutter_top = -1;
    view_.refresh_gutter();
    show_changed_mark();
    view_.layout_view();
    preview_.document_shown();
    view_.refresh_command_states();
    return true;
}

std::optional<TextEncoding> Documents::encoding_for(TextEncoding encoding, const QString& text, const QString& target) {
    // UTF-8 holds every character (a lone surrogate is none, and no editor keeps one).
    if (encoding != TextEncoding::Windows1252) return encoding;
    const qsizetype at = first_unencodable(text, encoding);
    if (at < 0) return encoding;
    const int line = static_cast<int>(QStringView(text).left(at).count(QLatin1Char('\n'))) + 1;
    const QString question =
        QStringLiteral("'%1' holds characters that %2 cannot hold (the first is %3 on line %4).\r\n"
                       "Choose OK to save it as UTF-8, or Cancel to go on editing.")
            .arg(target, encoding_name(encoding), character_code(text, at))
            .arg(line);
    if (ws_.dialogs.message_box({question, app_title, Buttons::OkCancel, Icon::Exclamation}) != Answer::Ok)
        return std::nullopt;
    return TextEncoding::Utf8;
}

bool Documents::write_file(const QString& target, const QByteArray& bytes) {
    view_.set_busy(true);
    QString error;
    const bool ok = write_whole_file(target, bytes, &error);
    view_.set_busy(false);
    if (!ok) show_error(target + QStringLiteral(": ") + error);
    return ok;
}

bool Documents::save_document(SaveKind kind) {
    Document* doc = ws_.documents.active();
    if (!doc) return false;
    const bool template_save = kind == SaveKind::template_copy;
    bool save_as = kind != SaveKind::save;
    QString target = doc->path;
    if (target.isEmpty() || is_untitled(target)) {
        save_as = true;
        target.clear();
    }
    // The user's templates have a folder of their own; the shipped ones cannot be written.
    if (template_save) QDir().mkpath(ws_.paths.templates());
    if (save_as) {
        FileRequest request = file_request(FileDialogMode::Save, template_save ? doc_template : doc->type(), target);
        request.directory = template_save    ? ws_.paths.templates()
                            : target.isEmpty() ? ws_.paths.start_folder
                                               : QFileInfo(target).absolutePath();
        const auto chosen = ws_.dialogs.file_dialog(request);
        if (!chosen) return false;
        target = *chosen;
    }
    if (target.endsWith(QLatin1Char('*'))) target.chop(1);
    if (template_save) target = template_path_of(ws_.paths.templates(), target);
    // A file that is no text is written over only when the user changed it: its bytes are not the editor's
    // business otherwise.
    if (doc->binary && !doc->changed && target == doc->path) {
        view_.show_status(QStringLiteral("Nothing to save: the file is unchanged"));
        return true;
    }

    const QString text = editor_.text();
    const std::optional<TextEncoding> encoding = encoding_for(doc->encoding, text, target);
    if (!encoding || !write_file(target, encode_document(text, *encoding))) return false;
    // A template is a copy: it may be written as UTF-8 without changing how the document is saved.
    if (template_save) return true;
    doc->encoding = *encoding;
    saved_as(*doc, target);
    return true;
}

void Documents::saved_as(Document& doc, const QString& target) {
    remember_recent(target);
    editor_.set_save_point();
    doc.changed = false;
    doc.path = target;
    doc.on_disk = file_stamp(target);
    show_changed_mark();
    events_.saved(doc);
    preview_.document_shown();
    view_.refresh_command_states();
}

// The text is taken over and let go once the editor holds it: a large file is not held twice while it is
// coloured.
void Documents::load_text(Document& doc, DecodedText file) {
    if (!file.utf8.isEmpty()) editor_.set_loaded_utf8(std::move(file.utf8));
    else editor_.set_loaded_text(std::move(file.text));
    editor_.set_save_point();
    doc.changed = false;  // loading is no edit
    if (ws_.window.highlight_on) colouring_.recolour_document();
}

void Documents::show_tab(int index) {
    const Document& doc = ws_.documents.at(index);
    view_.set_tab(index - 1, tab_caption_for(doc), doc.type(), doc.path);
}

void Documents::show_changed_mark() {
    const Document* doc = ws_.documents.active();
    if (!doc) return;
    show_tab(ws_.documents.active_index());
    view_.set_caption(caption_for(doc->path, doc->changed));
}

void Documents::text_edited() {
    Document* doc = ws_.documents.active();
    if (!doc) return;
    const bool was = doc->changed;
    doc->changed = editor_.modified_since_save();
    if (doc->changed != was) show_changed_mark();
}

bool Documents::ask_save_changes() {
    WindowState& st = ws_.window;
    st.close_cancelled = false;
    Document* doc = ws_.documents.active();
    if (!doc || !doc->changed) return false;
    const QString text = QStringLiteral("'%1 ' has been changed.\r\nDo you want to save the changes?").arg(doc->path);
    switch (ws_.dialogs.message_box({text, app_long_title, Buttons::YesNoCancel, Icon::Exclamation})) {
    case Answer::Yes:
        if (save_document(SaveKind::save)) return false;
        break;  // the save did not happen: the document stays open and changed
    case Answer::No:
        doc->changed = false;
        return false;
    case Answer::Ok:
    case Answer::Cancel:
        break;
    }
    st.close_cancelled = true;
    return true;
}

bool Documents::close_document() {
    DocumentSet& docs = ws_.documents;
    WindowState& st = ws_.window;
    Document* doc = docs.active();
    if (!doc) return true;
    if (ask_save_changes()) return false;
    const int index = docs.active_index();
    events_.closing(*doc);
    st.tabs_updating = true;
    view_.remove_tab(index - 1);
    st.tabs_updating = false;
    docs.remove(index);
    if (!docs.empty()) {
        view_.select_tab(0);
        activate(1, Activate::shown, nullptr);
        preview_.document_shown();  // also when the first document was active already
        return true;
    }
    preview_.document_shown();
    view_.layout_view();
    view_.set_caption(app_title);
    view_.refresh_command_states();
    return true;
}

bool Documents::close_all() {
    while (!ws_.documents.empty())
        if (!close_document()) return false;
    return true;
}

void Documents::remember_recent(const QString& path) {
    ws_.recent.remember_recent(path);
    view_.set_recent_menu(ws_.recent.menu_items());
}

void Documents::open_recent(int index) {
    if (index < 0 || index >= RecentFiles::size || ws_.recent.entry(index).isEmpty()) return;
    // The entry itself is opened: if its file is gone the tidy drops it, and the open reports that
    // rather than opening whichever entry moved up in its place.
    const QString path = ws_.recent.entry(index);
    remember_recent(path);
    open_document(path, false);
    view_.refresh_command_states();
}

void Documents::open_at_startup() {
    switch (ws_.config.config_int(startup_mode)) {
    case 0: new_document(QStringLiteral("HTM")); break;
    case 1:
        if (!ws_.recent.entry(0).isEmpty()) open_document(ws_.recent.entry(0), false);
        break;
    default: break;
    }
}

}  // namespace tamsel
