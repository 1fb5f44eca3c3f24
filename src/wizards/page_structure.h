#pragma once
// The helpers that place generated markup in the active document: a case-insensitive tag locator, the
// page skeleton guarantee, insertion into the head, clamping a position into an element, insertion that
// keeps a caller's remembered position on the same text, and the buffered writer that pours generated
// lines into the editor in large pieces. They work on the editor's text only, never on a file.
//
// Line breaks: every helper writes the document's own line end (PageEditor::line_end), so a page that
// came with LF keeps LF, and a CR LF pair is never split by an insertion point.
#include "platform/editor_buffer.h"

#include <QString>
#include <QStringView>

namespace tamsel {

// The active document as the generators see it: the editor that holds its text and the line end its
// text uses ("\r\n" for a new document).
struct PageEditor {
    EditorBuffer& editor;
    QString line_end = QStringLiteral("\r\n");
};

struct TagMatch {
    qsizetype at = -1;     // where what was found, or -1
    qsizetype close = -1;  // the first ">" at or after at, or -1 (always -1 when nothing was found)
};

// Searches for what (a tag opening such as "<head" or "</title") from from on, in any letter case,
// without touching the selection. "<head" also finds "<HEAD>" and "<header>".
TagMatch find_tag(EditorBuffer& editor, const QString& what, qsizetype from = 0);

// Replaces the selection with text; when the caret stood at or before tracked, tracked moves on by the
// length of text, so that it keeps pointing at the same character.
void insert_tracked(EditorBuffer& editor, const QString& text, qsizetype& tracked);

// Guarantees the skeleton of a page: HTML, HEAD and its end, BODY and its end (not on a frameset page)
// and the end of HTML are inserted where they are missing; tags that exist are never moved. tracked
// follows the insertions; the caret and selection are put back as the numbers they were.
void config_basic_html(PageEditor& page, qsizetype& tracked);

// Inserts text and a line end into the head: after the title's end tag when it comes after the head's
// start tag, otherwise right after the head's start tag; at 0 when the page has neither.
void insert_in_head(PageEditor& page, const QString& text);

// Moves position into the content of element name (for example "BODY"): a position after the start of
// its end tag goes to the end of the last line before that tag, one before its start tag's ">" goes
// just after it. Nothing moves unless the end tag follows the start tag.
void clamp_to_element(EditorBuffer& editor, QStringView name, qsizetype& position);

// Collects generated lines and pours them into the editor at the caret, in pieces of a little over
// flush_threshold characters, so that a long output costs few insertions.
class OutputBuffer {
public:
    static constexpr qsizetype flush_threshold = 16000;

    explicit OutputBuffer(PageEditor& page) : page_(page) {}
    // Pours with insert_tracked, so that tracked keeps pointing at the same text.
    OutputBuffer(PageEditor& page, qsizetype& tracked) : page_(page), tracked_(&tracked) {}
    // Appends line and a line end. When the buffer has grown beyond the threshold, flush is set; with
    // flush set, the buffer is poured and emptied. The last call of a generator passes an empty line and
    // flush = true, which adds one more line end before pouring.
    void append_output_line(const QString& line, bool& flush);
    // Appends line and a line end and pours when the buffer has grown beyond the threshold.
    void append_output_line(const QString& line) {
        bool flush = false;
        append_output_line(line, flush);
    }
    qsizetype pending() const { return buffer_.size(); }

private:
    PageEditor& page_;
    qsizetype* tracked_ = nullptr;
    QString buffer_;
};

// Changes that undo as one step.
class UndoStep {
public:
    explicit UndoStep(EditorBuffer& editor) : editor_(editor) { editor_.begin_undo_step(); }
    ~UndoStep() { editor_.end_undo_step(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    EditorBuffer& editor_;
};

// One generator's change of the text: it undoes as one step, the editor is frozen meanwhile, and at the
// end the selection (as numbers) and the first visible line are put back.
class EditStep {
public:
    explicit EditStep(EditorBuffer& editor);
    ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;
    // At the end the caret goes to position instead of back where it was.
    void leave_caret_at(qsizetype position);

private:
    EditorBuffer& editor_;
    qsizetype sel_start_;
    qsizetype sel_length_;
    int top_line_;
};

}  // namespace tamsel
