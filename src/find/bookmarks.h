#pragma once
// A document's bookmarks: up to 33 line numbers (from 1), kept in ascending order, toggled on the caret's
// line and visited in order with wrap-around.
#include "core/document.h"

#include <optional>

namespace tamsel {

enum class ToggleResult { added, removed, full };

// Removes line when it is marked, else adds it in order; a 34th mark is refused (full).
ToggleResult toggle_bookmark(Bookmarks& marks, int line);
void clear_bookmarks(Bookmarks& marks);

// The first mark after line, or the first of all when none is after it; nothing without marks.
std::optional<int> next_bookmark(const Bookmarks& marks, int line);
// The last mark before line, or the last of all when none is before it; nothing without marks.
std::optional<int> previous_bookmark(const Bookmarks& marks, int line);

}  // namespace tamsel
