#pragma once
// One open document: its file, its kind, its text with undo and colours, its changed flag and what the
// user left in it (caret, selection, first visible line, bookmarks). It is the only keeper of these facts.
#include "core/document_kinds.h"
#include "platform/document_text.h"
#include "platform/file_stamp.h"
#include "platform/text_codec.h"

#include <QString>
#include <array>
#include <memory>

namespace tamsel {

struct Bookmarks {
    static constexpr int slot_count = 33;
    static constexpr int free_slot = 134217726;  // larger than any line

    std::array<int, slot_count> lines = free_lines();
    int count = 0;

    static constexpr std::array<int, slot_count> free_lines() {
        std::array<int, slot_count> marks{};
        marks.fill(free_slot);
        return marks;
    }
};

class Document {
public:
    Document(int number, QString path, std::unique_ptr<DocumentText> text)
        : path(std::move(path)), number_(number), text_(std::move(text)) {}
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // 1 to 255, unique among the open documents.
    int number() const { return number_; }
    // HTML, VBScript, JavaScript, CSS or text, by the file name.
    int type() const { return document_type(path); }
    DocumentText* text() const { return text_.get(); }

    QString path;
    bool changed = false;
    // The file's encoding and line ends, kept for saving.
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnds line_ends = LineEnds::CrLf;
    // The file as it was when last read or written, to notice another program's change.
    FileStamp on_disk;
    // Opened although it holds NUL bytes: written back only after an edit.
    bool binary = false;
    Bookmarks bookmarks;
    // Where the user was when the document was last left.
    qsizetype sel_start = 0;
    qsizetype sel_length = 0;
    int top_line = 0;

private:
    int number_;
    std::unique_ptr<DocumentText> text_;
};

}  // namespace tamsel
