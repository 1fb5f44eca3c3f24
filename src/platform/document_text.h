#pragma once
// The editor shows one document's text at a time. Each document owns a DocumentText: its characters, its
// undo history and its colours, kept whole while another document is shown. The TextHost makes these
// and puts one of them into its editor; logic then reads and changes it through editor(), whose identity
// never changes.
#include <memory>

namespace tamsel {

class EditorBuffer;

class DocumentText {
public:
    virtual ~DocumentText() = default;
};

class TextHost {
public:
    virtual ~TextHost() = default;
    virtual std::unique_ptr<DocumentText> new_text() = 0;
    // Puts text into the editor; nullptr leaves an empty text that belongs to no document. The text shown
    // before keeps everything it had.
    virtual void show_text(DocumentText* text) = 0;
    virtual EditorBuffer& editor() = 0;
};

}  // namespace tamsel
