#pragma once
// The TextHost of the command line and the tests: one MemoryBuffer is the editor, and showing a document
// swaps that document's whole state (text, selection, colours, undo) into it.
#include "platform/document_text.h"
#include "platform/memory_buffer.h"

namespace tamsel {

class MemoryTextHost : public TextHost {
public:
    MemoryTextHost() = default;
    MemoryTextHost(const MemoryTextHost&) = delete;
    MemoryTextHost& operator=(const MemoryTextHost&) = delete;

    std::unique_ptr<DocumentText> new_text() override;
    void show_text(DocumentText* text) override;
    EditorBuffer& editor() override { return editor_; }
    MemoryBuffer& buffer() { return editor_; }

private:
    class Text;
    MemoryBuffer editor_;
    Text* shown_ = nullptr;
};

}  // namespace tamsel
