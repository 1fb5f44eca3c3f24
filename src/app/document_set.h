#pragma once
// The open documents: one record each, numbered from 1 in tab order. Only the active document's text is
// in the editor; the others wait in their scratch files.
#include "platform/text_codec.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace tamsel {

struct DocumentRecord {
    static constexpr int bookmark_slots = 33;
    static constexpr int free_bookmark = 134217726;  // larger than any line

    int scratch_number = 0;  // 1..255, names the scratch file
    QString path;
    qsizetype sel_start = 0;
    qsizetype sel_length = 0;
    int top_line = 0;  // first visible line (0-based) when last left
    bool changed = false;
    std::array<int, bookmark_slots> bookmarks = free_bookmarks();
    int bookmark_count = 0;
    // The file's encoding and line ends, kept for saving.
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnds line_ends = LineEnds::CrLf;

    static constexpr std::array<int, bookmark_slots> free_bookmarks() {
        std::array<int, bookmark_slots> marks{};
        marks.fill(free_bookmark);
        return marks;
    }
};

class DocumentSet {
public:
    static constexpr int max_documents = 255;
    static constexpr int max_untitled = 99;

    int count() const { return static_cast<int>(records_.size()); }
    // index from 1 to count()
    DocumentRecord& at(int index) { return records_[index - 1]; }
    const DocumentRecord& at(int index) const { return records_[index - 1]; }

    // The index of the open document with this path, or 0.
    int find_path(const QString& path) const;
    // The lowest scratch number no open document uses, or 0 when all 255 are taken.
    int free_scratch_number() const;
    // Adds a record at the end and returns its index.
    int add(DocumentRecord record);
    void remove(int index);

    // The first untitled path in folder, from "New File 01" on, that no open document has and no file
    // has taken; nothing when all 99 are taken.
    std::optional<QString> untitled_candidate(const QString& folder, const QString& extension) const;

private:
    QList<DocumentRecord> records_;
};

}  // namespace tamsel
