#include "find/bookmarks.h"

#include <algorithm>

namespace tamsel {

ToggleResult toggle_bookmark(Bookmarks& marks, int line) {
    const auto first = marks.lines.begin();
    const auto used_end = first + marks.count;
    const auto at = std::lower_bound(first, used_end, line);
    if (at != used_end && *at == line) {
        std::move(at + 1, used_end, at);
        *(used_end - 1) = Bookmarks::free_slot;
        --marks.count;
        return ToggleResult::removed;
    }
    if (marks.count == Bookmarks::slot_count) return ToggleResult::full;
    std::move_backward(at, used_end, used_end + 1);
    *at = line;
    ++marks.count;
    return ToggleResult::added;
}

void clear_bookmarks(Bookmarks& marks) { marks = Bookmarks{}; }

std::optional<int> next_bookmark(const Bookmarks& marks, int line) {
    if (marks.count == 0) return std::nullopt;
    const auto used_end = marks.lines.begin() + marks.count;
    const auto after = std::upper_bound(marks.lines.begin(), used_end, line);
    return after != used_end ? *after : marks.lines.front();
}

std::optional<int> previous_bookmark(const Bookmarks& marks, int line) {
    if (marks.count == 0) return std::nullopt;
    const auto first = marks.lines.begin();
    const auto before = std::lower_bound(first, first + marks.count, line);
    return before != first ? *(before - 1) : marks.lines[marks.count - 1];
}

}  // namespace tamsel
