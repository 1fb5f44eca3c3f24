#include "app/batch_mode.h"

#include "app/shell_view.h"
#include "platform/editor_buffer.h"

namespace tamsel {

void BatchMode::begin_batch(QStringView) {
    sel_start_ = editor_.selection_start();
    sel_length_ = editor_.selection_length();
    top_line_ = editor_.first_visible_line();
    if (!active_) editor_.begin_batch();
    active_ = true;
    view_.let_events_run();
    view_.set_busy(true);
}

void BatchMode::end_batch(QStringView) {
    if (!active_) return;
    active_ = false;
    editor_.set_selection(sel_start_, sel_length_);
    editor_.end_batch();
    // Scroll back to the kept first line; when the text became shorter the view stops short of it, and
    // so does this loop.
    while (editor_.first_visible_line() != top_line_) {
        const int before = editor_.first_visible_line();
        editor_.scroll_lines(top_line_ - before);
        if (editor_.first_visible_line() == before) break;
    }
    view_.let_events_run();
    view_.set_busy(false);
}

}  // namespace tamsel
