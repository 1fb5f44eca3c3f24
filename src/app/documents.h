#pragma once
// The file operations on the document set: new, open, switch, save, save as, template save, close with the
// change prompt, and the recent-file list. Every document keeps its own text, undo history and colours;
// switching shows another one in the editor and touches no file.
#include "platform/text_codec.h"

#include <QString>
#include <optional>

namespace tamsel {

class Document;
class DocumentColouring;
class EditorBuffer;
class Preview;
class ShellView;
class Workspace;

// What else must know when the user leaves, saves or closes a document (the crash journal).
class DocumentEvents {
public:
    virtual ~DocumentEvents() = default;
    // The document is about to be put aside for another; its text is still the editor's.
    virtual void leaving(Document&) {}
    virtual void saved(Document&) {}
    virtual void closing(Document&) {}
};

enum class Activate { shown, empty, file };
enum class SaveKind { save, save_as, template_copy };

class Documents {
public:
    Documents(Workspace& ws, ShellView& view, Preview& preview, DocumentColouring& colouring, DocumentEvents& events);

    // An untitled document "New File NN.<extension>"; refused with a message when all 99 names are taken.
    bool new_document(const QString& extension);
    // The choice of the new-document dialog ("ID_HTMLBlank", "ID_StyleSheet", ...); a template choice
    // reads template_file into the new document. An empty or unknown choice does nothing.
    bool new_from_choice(const QString& choice, const QString& template_file = {});
    // The Open command: the file dialog, then the recent list and the document.
    void open_command();
    // Adds a document for path (or switches to it, with the "File already in use" message, when it is open)
    // and makes it active; a new document starts empty instead of reading the file.
    bool open_document(const QString& path, bool is_new);
    // Opens a document with text that was not saved (a recovered one): changed, in its encoding and line
    // ends. A path that is open already gets the text as an edit of its own document.
    bool open_unsaved(const QString& path, const DecodedText& text);
    // Shows document index (from 1) in the editor: as it was left, empty, or read from its file.
    bool activate_document(int index, Activate mode);
    // A click on tab index (from 0): ignored while tabs_updating is on.
    void tab_clicked(int index);

    bool save_document(SaveKind kind);
    // The change prompt; true when the user cancelled (also when a save chosen with Yes did not happen).
    bool ask_save_changes();
    // The active document's changed flag follows the editor's save point after an edit: undoing back to
    // the saved text clears it. The tab and the caption show it as a "*" before the name.
    void text_edited();
    void show_changed_mark();
    // Closes the active document after the prompt; false when the user cancelled.
    bool close_document();
    // Closes every document; false when the user cancelled one (those not yet closed stay open).
    bool close_all();

    void remember_recent(const QString& path);
    void open_recent(int index);
    // The "startup_mode" step: 0 a new HTML document, 1 the most recent file, anything else nothing.
    void open_at_startup();

    // Asks about each open document whose file another program changed or deleted since the editor read
    // or wrote it (the window calls it when it gets the focus): Reload or Keep mine for a change; a deleted
    // file is only reported, the document turns changed, and nothing writes the file again but a Save.
    void check_disk_changes();

private:
    bool read_file(const QString& path, DecodedText& out);
    void show_error(const QString& text);
    bool activate(int index, Activate mode, DecodedText* file_text);
    void keep_place(Document& doc);
    // The encoding to write text to target in: encoding, or UTF-8 when the user chose it because encoding
    // cannot hold a character; nothing when the user cancelled.
    std::optional<TextEncoding> encoding_for(TextEncoding encoding, const QString& text, const QString& target);
    bool write_file(const QString& target, const QByteArray& bytes);
    void saved_as(Document& doc, const QString& target);
    void reload(int index);
    // Puts text into the editor as the saved text of doc: no undo, unchanged, coloured afresh.
    void load_text(Document& doc, DecodedText file);
    // The tab of document index (from 1), with the "*" of a changed document.
    void show_tab(int index);

    bool checking_disk_ = false;  // the questions of a check take the focus away and give it back

    Workspace& ws_;
    EditorBuffer& editor_;
    ShellView& view_;
    Preview& preview_;
    DocumentColouring& colouring_;
    DocumentEvents& events_;
};

}  // namespace tamsel
