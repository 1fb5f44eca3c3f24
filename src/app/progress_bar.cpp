#include "app/progress_bar.h"

#include "app/batch_mode.h"
#include "core/progress_model.h"
#include "app/shell_view.h"
#include "app/window_state.h"

namespace tamsel {

void ProgressBar::open_progress(const QString& caption0, int maximum0, const QString& caption1, int maximum1) {
    model_.open_progress(caption0, maximum0, caption1, maximum1);
    view_.set_busy(true);
    state_.tabs_updating = true;
}

void ProgressBar::open_bar(const QString& caption, int maximum) {
    // Events run as the editor freezes: a tab click then must not switch the document under the operation.
    state_.tabs_updating = true;
    batch_.begin_batch(u"open_bar");
    open_progress(caption, maximum, QString(), 0);
}

void ProgressBar::step_bar(int amount, bool absolute) { model_.advance_progress(0, amount, absolute); }

void ProgressBar::close_bar() {
    model_.close_progress();
    view_.set_busy(false);
    state_.tabs_updating = false;
    batch_.end_batch(u"close_bar");
    view_.refresh_view();
    view_.refresh_gutter();
}

}  // namespace tamsel
