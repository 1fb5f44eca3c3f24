#pragma once
// The file operations on the document set: new, open, switch, save, save as, template save, close with the
// change prompt, and the recent-file list. The active document's text is in the editor; a document put
// aside keeps its text and colours in its scratch file in the private temporary folder.
#include <QString>

namespace tamsel {

class DocumentColouring;
class EditorBuffer;
class Preview;
class ShellView;
class Workspace;
struct DecodedText;
struct DocumentRecord;

enum class Activate { scratch = 0, empty = 1, file = 2 };

class Documents {
public:
    Documents(Workspace& ws, EditorBuffer& editor, ShellView& view, Preview& preview, DocumentColouring& colouring)
        : ws_(ws), editor_(editor), view_(view), preview_(preview), colouring_(colouring) {}

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
    // Shows document index (from 1) in the editor: from its scratch file, empty, or read from its file.
    bool activate_document(int index, Activate mode);
    // A click on tab index (from 0): ignored while tabs_updating is on.
    void tab_clicked(int index);

    bool save_document(bool save_as);
    // Saves a copy as a template (PAGE.tpl in the per-user folder); the document keeps its path and flag.
    bool save_template();
    // The change prompt; true when the user cancelled (also when a save chosen with Yes did not happen).
    bool ask_save_changes();
    // Closes the active document after the prompt; false when the user cancelled.
    bool close_document();
    // Closes every document; false when the user cancelled one (those not yet closed stay open).
    bool close_all();

    void remember_recent(const QString& path);
    void open_recent(int index);
    // The "startup_mode" step: 0 a new HTML document, 1 the most recent file, anything else nothing.
    void open_at_startup();

    const DocumentRecord* active() const;
    // The editor text as plain text in analysis scratch file 1, for the commands that analyse a copy.
    bool write_scratch_copy();

private:
    bool read_file(const QString& path, DecodedText& out);
    bool put_aside(DocumentRecord& record);
    bool take_back(const DocumentRecord& record);
    void show_error(const QString& text);
    bool activate(int index, Activate mode, const DecodedText* file_text);

    Workspace& ws_;
    EditorBuffer& editor_;
    ShellView& view_;
    Preview& preview_;
    DocumentColouring& colouring_;
};

}  // namespace tamsel
