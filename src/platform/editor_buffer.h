#pragma once
// The document text as logic sees it. Every piece of logic that reads or changes the editor text talks to
// this interface: MemoryBuffer (a QString) serves the command line and the tests, the QScintilla adapter the
// editor. Positions and lengths are characters of the text as the buffer holds it; lines count from 0.
#include "platform/text_codec.h"

#include <QList>
#include <QString>
#include <cstdint>

namespace tamsel {

// A colour as the configuration stores it: 0x00BBGGRR.
using ColourValue = std::uint32_t;

struct ColourRun {
    qsizetype start = 0;
    qsizetype length = 0;
    ColourValue colour = 0;
    bool operator==(const ColourRun&) const = default;
};

struct FindOptions {
    bool match_case = false;
    bool whole_word = false;
    bool select = false;  // select the match
};

class EditorBuffer {
public:
    virtual ~EditorBuffer() = default;

    virtual QString text() const = 0;
    virtual qsizetype length() const = 0;
    // The characters from start on, length of them (fewer at the end of the text).
    virtual QString text_range(qsizetype start, qsizetype length) const { return text().mid(start, length); }
    // Replaces the whole text as one undo step; the caret goes to the start.
    virtual void set_text(const QString& text) = 0;
    // Replaces the whole text with a file just read: no undo step, the caret at the start. The text is
    // handed over, so that an editor may release it as it takes it in.
    virtual void set_loaded_text(QString text) {
        set_text(text);
        clear_undo();
    }
    // The same for a file whose text is valid UTF-8, handed over as its bytes.
    virtual void set_loaded_utf8(QByteArray bytes) { set_loaded_text(decode_utf8(bytes)); }

    virtual qsizetype selection_start() const = 0;
    virtual qsizetype selection_length() const = 0;
    virtual void set_selection(qsizetype start, qsizetype length) = 0;
    virtual QString selected_text() const = 0;
    // Replaces the selection (or inserts at the caret) and leaves the caret after the new text.
    virtual void replace_selection(const QString& text) = 0;

    // The position of the first match at or after from, or -1.
    virtual qsizetype find(const QString& what, qsizetype from, FindOptions options) = 0;

    virtual int line_count() const = 0;
    virtual int line_of(qsizetype position) const = 0;
    virtual qsizetype line_start(int line) const = 0;
    virtual int first_visible_line() const = 0;
    // Scrolls the view by whole lines (down for positive n); does nothing without a view.
    virtual void scroll_lines(int n) = 0;

    // Gives each run its colour; runs are in ascending order and do not overlap. Text outside the runs
    // keeps its colour.
    virtual void apply_colours(const QList<ColourRun>& runs) = 0;
    // Colours the stretch of length characters from start: rest where no run lies, each run (ascending,
    // inside the stretch) its colour. The colours it replaces are not read.
    virtual void colour_stretch(qsizetype start, qsizetype length, const QList<ColourRun>& runs, ColourValue rest) {
        if (length > 0) apply_colours({ColourRun{start, length, rest}});
        apply_colours(runs);
    }
    // The colours of the whole text as ascending runs, so that a document put aside keeps its colouring.
    virtual QList<ColourRun> colour_runs() const { return {}; }

    virtual bool can_undo() const = 0;
    virtual void undo() = 0;
    // Forgets the undo history: a document just loaded cannot be undone into the one before it.
    virtual void clear_undo() {}
    // Whether the text differs from the save point (as it was last loaded or saved): undoing back to it
    // counts as unchanged. A buffer that keeps no save point counts every edit.
    virtual bool modified_since_save() const { return true; }
    virtual void set_save_point() {}

    // The changes between these two calls undo as one step; steps do not nest (an inner pair is part of
    // the outer step).
    virtual void begin_undo_step() {}
    virtual void end_undo_step() {}

    // Freezes drawing and input around a bulk change.
    virtual void begin_batch() = 0;
    virtual void end_batch() = 0;
};

}  // namespace tamsel
