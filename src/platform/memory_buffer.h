#pragma once
// An EditorBuffer over a QString, with a colour per character and a simple undo stack.
#include "platform/editor_buffer.h"

#include <QStringList>
#include <vector>

namespace tamsel {

class MemoryBuffer : public EditorBuffer {
public:
    explicit MemoryBuffer(const QString& text = {});

    QString text() const override {
        characters_read += text_.size();
        return text_;
    }
    qsizetype length() const override { return text_.size(); }
    QString text_range(qsizetype start, qsizetype length) const override {
        const QString range = text_.mid(start, length);
        characters_read += range.size();
        return range;
    }
    void set_text(const QString& text) override;

    qsizetype selection_start() const override { return sel_start_; }
    qsizetype selection_length() const override { return sel_length_; }
    void set_selection(qsizetype start, qsizetype length) override;
    QString selected_text() const override {
        characters_read += sel_length_;
        return text_.mid(sel_start_, sel_length_);
    }
    void replace_selection(const QString& text) override;

    qsizetype find(const QString& what, qsizetype from, FindOptions options) override;

    int line_count() const override;
    int line_of(qsizetype position) const override;
    qsizetype line_start(int line) const override;
    int first_visible_line() const override { return first_visible_; }
    void scroll_lines(int n) override;

    void apply_colours(const QList<ColourRun>& runs) override;
    // The colour of one character (0 where none was set).
    ColourValue colour_at(qsizetype position) const;
    // The colours of the text as runs of equal colour, for tests to compare.
    QList<ColourRun> colour_runs() const override;

    bool can_undo() const override { return !undo_.isEmpty(); }
    void undo() override;
    void clear_undo() override { undo_.clear(); }
    void begin_undo_step() override;
    void end_undo_step() override { --step_depth_; }

    void begin_batch() override { ++batch_depth_; }
    void end_batch() override { --batch_depth_; }
    int batch_depth() const { return batch_depth_; }

    // Exchanges text, selection, scroll position, colours and undo history with other; the view (batch
    // depth, visible lines) stays.
    void swap_content(MemoryBuffer& other);
    void swap_content(MemoryBuffer&& other) { swap_content(other); }

    // A view of visible_lines lines, for tests of scrolling; 0 means no view (scrolling does nothing).
    int visible_lines = 0;

    // Characters handed out through text(), text_range() and selected_text(): what a step read of the text.
    mutable qsizetype characters_read = 0;
    // Characters given a colour (counted once for each run that covers them).
    qsizetype characters_coloured = 0;

private:
    void remember();

    QString text_;
    qsizetype sel_start_ = 0;
    qsizetype sel_length_ = 0;
    int first_visible_ = 0;
    std::vector<ColourValue> colours_;
    QStringList undo_;
    int batch_depth_ = 0;
    int step_depth_ = 0;
    bool step_remembered_ = false;  // the text before the open step is on the undo stack
};

}  // namespace tamsel
