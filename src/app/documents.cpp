#include "app/documents.h"

#include "app/command_rules.h"
#include "app/document_colouring.h"
#include "app/document_kinds.h"
#include "app/preview.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"
#include "platform/file_names.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cstring>
#include <type_traits>

namespace tamsel {
namespace {

struct NewChoice {
    QStringView choice;
    QStringView extension;
};

constexpr std::array<NewChoice, 6> new_choices = {{
    {u"ID_HTMLBlank",    u"HTM"},
    {u"ID_StyleSheet",   u"CSS"},
    {u"ID_TextFile",     u"TXT"},
    {u"ID_JavaScript",   u"JS"},
    {u"ID_VBScript",     u"VBS"},
    {u"ID_HTMLTemplate", u"HTM"},
}};

constexpr quint32 scratch_magic = 0x54534352;  // "TSCR"

QString caption_for(const QString& path) {
    return path.isEmpty() ? app_title : app_title + QStringLiteral(" : ") + path.toUpper();
}

}  // namespace

const DocumentRecord* Documents::active() const {
    const int i = ws_.window.active_doc;
    return i >= 1 && i <= ws_.documents.count() ? &ws_.documents.at(i) : nullptr;
}

bool Documents::write_scratch_copy() {
    view_.set_busy(true);
    QSaveFile f(ws_.paths.analysis_scratch(1));
    const QByteArray bytes = editor_.text().toUtf8();
    const bool ok = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
    view_.set_busy(false);
    if (!ok) show_error(f.fileName() + QStringLiteral(": ") + f.errorString());
    return ok;
}

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
    for (const NewChoice& c : new_choices) {
        if (choice != c.choice) continue;
        const bool from_template = choice == QLatin1String("ID_HTMLTemplate");
        DecodedText tpl;
        if (from_template && (template_file.isEmpty() || !read_file(template_file, tpl))) return false;
        if (!new_document(c.extension.toString())) return false;
        if (from_template) {
            editor_.set_text(tpl.text);
            ws_.documents.at(ws_.window.active_doc).line_ends = tpl.line_ends;
            mark_changed(ws_.window);
        }
        return true;
    }
    return false;
}

void Documents::open_command() {
    FileRequest request = file_request(FileDialogMode::Open, combined_filter, QString());
    const DocumentRecord* doc = active();
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
    out = decode_document(f.readAll());
    return true;
}

bool Documents::open_document(const QString& path, bool is_new) {
    WindowState& st = ws_.window;
    DocumentSet& docs = ws_.documents;
    if (const int found = docs.find_path(path)) {
        ws_.dialogs.beep();
        ws_.dialogs.message_box({QStringLiteral("Project File : \r\n'%1'\r\nis already open").arg(path),
                                 QStringLiteral("File already in use"), Buttons::Ok, Icon::None});
        view_.select_tab(found - 1);
        return activate(found, Activate::scratch, nullptr);
    }
    const int scratch = docs.free_scratch_number();
    if (scratch == 0) {
        show_error(QStringLiteral("No more than %1 documents can be open at once.\r\nClose one of them first.")
                       .arg(DocumentSet::max_documents));
        return false;
    }
    DecodedText file;
    if (!is_new && !read_file(path, file)) return false;

    DocumentRecord record;
    record.scratch_number = scratch;
    record.path = path;
    record.encoding = file.encoding;
    record.line_ends = file.line_ends;
    st.tabs_updating = true;
    view_.add_tab(tab_caption_of(path), document_type(path), path);
    view_.select_tab(docs.count());
    st.tabs_updating = false;
    const int index = docs.add(record);
    st.doc_count = docs.count();
    if (activate(index, is_new ? Activate::empty : Activate::file, &file)) return true;
    // The document that was active could not be put aside: it stays, the new one goes.
    docs.remove(index);
    st.doc_count = docs.count();
    view_.remove_tab(index - 1);
    view_.select_tab(st.active_doc - 1);
    return false;
}

bool Documents::activate_document(int index, Activate mode) { return activate(index, mode, nullptr); }

void Documents::tab_clicked(int index) {
    const WindowState& st = ws_.window;
    if (st.tabs_updating || index + 1 == st.active_doc) {
        view_.select_tab(st.active_doc - 1);
        return;
    }
    if (!activate(index + 1, Activate::scratch, nullptr)) view_.select_tab(st.active_doc - 1);
    preview_.refresh_preview();
}

// The scratch file holds the text as UTF-8 and the colour runs as they are in memory: it is written and
// read by the same run of the program only.
static_assert(std::is_trivially_copyable_v<ColourRun>);

bool Documents::put_aside(DocumentRecord& record) {
    record.changed = ws_.window.doc_changed;
    record.sel_start = editor_.selection_start();
    record.sel_length = editor_.selection_length();
    record.top_line = editor_.first_visible_line();
    const QList<ColourRun> runs = editor_.colour_runs();
    QSaveFile f(ws_.paths.document_scratch(record.scratch_number));
    if (f.open(QIODevice::WriteOnly)) {
        QDataStream out(&f);
        const auto packed_size = runs.size() * qsizetype(sizeof(ColourRun));
        out << scratch_magic << editor_.text().toUtf8()
            << QByteArray::fromRawData(reinterpret_cast<const char*>(runs.constData()), packed_size);
        if (out.status() == QDataStream::Ok && f.commit()) return true;
    }
    show_error(QStringLiteral("The document %1 cannot be put aside: %2").arg(record.path, f.errorString()));
    return false;
}

bool Documents::take_back(const DocumentRecord& record) {
    QFile f(ws_.paths.document_scratch(record.scratch_number));
    if (f.open(QIODevice::ReadOnly)) {
        QDataStream in(&f);
        quint32 magic = 0;
        QByteArray text, packed;
        in >> magic >> text >> packed;
        if (magic == scratch_magic && in.status() == QDataStream::Ok && packed.size() % qsizetype(sizeof(ColourRun)) == 0) {
            QList<ColourRun> runs(packed.size() / qsizetype(sizeof(ColourRun)));
            std::memcpy(runs.data(), packed.constData(), static_cast<std::size_t>(packed.size()));
            editor_.set_text(QString::fromUtf8(text));
            editor_.apply_colours(runs);
            return true;
        }
    }
    editor_.set_text(QString());
    show_error(QStringLiteral("The text of %1 could not be read back: %2").arg(record.path, f.errorString()));
    return false;
}

bool Documents::activate(int index, Activate mode, const DecodedText* file_text) {
    WindowState& st = ws_.window;
    view_.layout_view();
    if (index == st.active_doc) return true;
    if (active() && !put_aside(ws_.documents.at(st.active_doc))) return false;
    preview_.release();
    st.active_doc = index;
    DocumentRecord& doc = ws_.documents.at(index);
    DecodedText read;
    switch (mode) {
    case Activate::scratch: take_back(doc); break;
    case Activate::empty: editor_.set_text(QString()); break;
    case Activate::file:
        if (!file_text) file_text = read_file(doc.path, read) ? &read : nullptr;
        editor_.set_text(file_text ? file_text->text : QString());
        if (st.highlight_on) {
            colouring_.reset_colours();
            colouring_.colorize(1, -1);
        }
        break;
    }
    editor_.clear_undo();
    show_document_commands(ws_.commands, true);
    view_.set_document_style(doc.line_ends, ws_.config.config_int(font_size));
    editor_.set_selection(doc.sel_start, doc.sel_length);
    editor_.scroll_lines(doc.top_line - editor_.first_visible_line());
    st.doc_changed = false;
    if (doc.changed) mark_changed(st);
    st.gutter_top = -1;
    view_.refresh_gutter();
    view_.set_caption(caption_for(doc.path));
    st.active_type = document_type(doc.path);
    view_.layout_view();
    view_.refresh_command_states();
    return true;
}

bool Documents::save_document(bool save_as) {
    WindowState& st = ws_.window;
    if (st.active_doc < 1) return false;
    DocumentRecord& doc = ws_.documents.at(st.active_doc);
    QFile::remove(ws_.paths.analysis_scratch(1));
    const bool template_save = st.active_type == doc_template;
    QString target = doc.path;
    if (target.isEmpty() || is_untitled(target)) {
        save_as = true;
        target.clear();
    }
    if (save_as) {
        FileRequest request = file_request(FileDialogMode::Save, st.active_type, target);
        request.directory = template_save    ? ws_.paths.user_data
                            : target.isEmpty() ? ws_.paths.start_folder
                                               : QFileInfo(target).absolutePath();
        const auto chosen = ws_.dialogs.file_dialog(request);
        if (!chosen) return false;
        target = *chosen;
    }
    if (target.endsWith(QLatin1Char('*'))) target.chop(1);
    if (template_save) target = template_path_of(ws_.paths.user_data, target);

    // A preview holds the saved file aside: put it back first, so that the save is what stays.
    preview_.release();
    view_.set_busy(true);
    QSaveFile f(target);
    const QByteArray bytes = encode_document(editor_.text(), doc.encoding);
    const bool ok = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
    view_.set_busy(false);
    if (!ok) {
        show_error(target + QStringLiteral(": ") + f.errorString());
        return false;
    }
    if (template_save) return true;
    remember_recent(target);
    st.doc_changed = false;
    view_.set_tab_caption(st.active_doc - 1, tab_caption_of(target));
    doc.path = target;
    view_.set_caption(caption_for(target));
    st.active_type = document_type(target);
    view_.refresh_command_states();
    return true;
}

bool Documents::save_template() {
    WindowState& st = ws_.window;
    const int type = st.active_type;
    st.active_type = doc_template;
    const bool saved = save_document(true);
    st.active_type = type;
    return saved;
}

bool Documents::ask_save_changes() {
    WindowState& st = ws_.window;
    st.close_cancelled = false;
    if (!st.doc_changed || !active()) return false;
    const QString text = QStringLiteral("'%1 ' has been changed.\r\nDo you want to save the changes?").arg(active()->path);
    switch (ws_.dialogs.message_box({text, app_long_title, Buttons::YesNoCancel, Icon::Exclamation})) {
    case Answer::Yes:
        if (save_document(false)) return false;
        break;  // the save did not happen: the document stays open and changed
    case Answer::No:
        st.doc_changed = false;
        return false;
    case Answer::Ok:
    case Answer::Cancel:
        break;
    }
    st.close_cancelled = true;
    return true;
}

bool Documents::close_document() {
    WindowState& st = ws_.window;
    if (!active()) return true;
    if (ask_save_changes()) return false;
    preview_.release();
    const int index = st.active_doc;
    QFile::remove(ws_.paths.document_scratch(ws_.documents.at(index).scratch_number));
    st.tabs_updating = true;
    view_.remove_tab(index - 1);
    st.tabs_updating = false;
    ws_.documents.remove(index);
    st.active_doc = -1;
    st.doc_count = ws_.documents.count();
    if (st.doc_count > 0) {
        view_.select_tab(0);
        activate(1, Activate::scratch, nullptr);
        return true;
    }
    editor_.set_text(QString());
    editor_.clear_undo();
    st.doc_changed = false;
    view_.layout_view();
    view_.set_caption(app_title);
    view_.refresh_command_states();
    return true;
}

bool Documents::close_all() {
    while (ws_.window.doc_count > 0)
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
