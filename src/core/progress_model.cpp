#include "core/progress_model.h"

#include <algorithm>
#include <cmath>

namespace tamsel {

void ProgressModel::open_progress(const QString& caption0, int maximum0, const QString& caption1, int maximum1) {
    open_ = true;
    const std::array<std::pair<QString, int>, 2> wanted = {{{caption0, maximum0}, {caption1, maximum1}}};
    for (int i = 0; i < 2; ++i) {
        slots_[i] = Slot{};
        slots_[i].caption = wanted[i].first;
        if (wanted[i].first.isEmpty() && wanted[i].second <= 0) continue;
        if (listener_) listener_->progress_opened(i, wanted[i].first, wanted[i].second > 0);
        if (wanted[i].second > 0) set_progress_maximum(i, wanted[i].second);
    }
}

void ProgressModel::set_progress_maximum(int slot, int maximum) {
    Slot& s = slots_[slot];
    s.maximum = maximum;
    s.current = s.percent = s.shown = 0;
    if (listener_) {
        listener_->progress_changed(slot, 0);
        listener_->let_events_run();
    }
}

void ProgressModel::advance_progress(int slot, int amount, bool absolute) {
    Slot& s = slots_[slot];
    if (s.maximum <= 0) return;
    s.current = absolute ? amount : s.current + amount;
    const double exact = static_cast<double>(s.current) / s.maximum * 100.0;
    s.percent = std::min(100, static_cast<int>(std::nearbyint(exact)));
    if (s.percent != 100 && s.percent <= s.shown + 3) return;
    s.shown = s.percent;
    if (listener_) {
        listener_->progress_changed(slot, s.percent);
        listener_->let_events_run();
    }
}

void ProgressModel::close_progress() {
    open_ = false;
    for (Slot& s : slots_) s = Slot{};
    if (listener_) listener_->progress_closed();
}

}  // namespace tamsel
