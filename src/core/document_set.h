#pragma once
// The open documents, numbered from 1 in tab order, and which of them is active: the one whose text the
// editor shows. Nobody else keeps a count, an active number, a type or a changed flag.
#include "core/document.h"
#include "platform/memory_text_host.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace tamsel {

class EditorBuffer;

class DocumentSet {
public:
    static constexpr int max_documents = 255;
    static constexpr int max_untitled = 99;

    DocumentSet() = default;
    DocumentSet(const DocumentSet&) = delete;
    DocumentSet& operator=(const DocumentSet&) = delete;
    ~DocumentSet();

    // Where texts live and are shown: the window's editor; memory until one is set. Set it while no
    // document is open.
    void set_text_host(TextHost* host);
    // The editor that shows the active document's text.
    EditorBuffer& editor() { return host().editor(); }

    int count() const { return static_cast<int>(docs_.size()); }
    bool empty() const { return docs_.empty(); }
    // index from 1 to count()
    Document& at(int index) { return *docs_[static_cast<std::size_t>(index - 1)]; }
    const Document& at(int index) const { return *docs_[static_cast<std::size_t>(index - 1)]; }

    // The active document and its index (from 1); nullptr and 0 when none is.
    Document* active() { return active_ > 0 ? &at(active_) : nullptr; }
    const Document* active() const { return active_ > 0 ? &at(active_) : nullptr; }
    int active_index() const { return active_; }
    // The active document's type; HTML when none is active.
    int active_type() const { return active_ > 0 ? at(active_).type() : doc_html; }

    // The index of the open document with this path, or 0.
    int find_path(const QString& path) const;
    // The lowest number no open document uses, or 0 when all 255 are taken.
    int free_number() const;
    // A new document at the end, with an empty text; its index. Refused (0) when all numbers are taken.
    int add(const QString& path);
    // Shows document index in the editor and makes it the active one. What the user left in the document
    // shown before (caret, selection, first line) is the caller's to keep.
    void activate(int index);
    // Closes document index; when it was the active one, none is active afterwards.
    void remove(int index);
    void clear();

    // The first untitled path in folder, from "New File 01" on, that no open document has and no file
    // has taken; nothing when all 99 are taken.
    std::optional<QString> untitled_candidate(const QString& folder, const QString& extension) const;

private:
    TextHost& host() { return host_ ? *host_ : memory_; }

    MemoryTextHost memory_;
    TextHost* host_ = nullptr;
    std::vector<std::unique_ptr<Document>> docs_;
    int active_ = 0;
};

}  // namespace tamsel
