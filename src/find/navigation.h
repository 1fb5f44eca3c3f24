#pragma once
// Moving about a document: to a line by its number, and from an opening brace to the one that closes it.
#include "platform/editor_buffer.h"

#include <QString>
#include <optional>

namespace tamsel {

// Puts the caret at the start of line (counted from 1): a line beyond the last reaches the last, one
// below 1 the first.
void go_to_line(EditorBuffer& editor, qint64 line);

// The line a "Goto Line #" answer names: nothing for an empty, zero or non-numeric answer; digits too
// many for a number name a line beyond every text.
std::optional<qint64> line_answer(const QString& answer);

enum class BraceMatch { not_a_brace, unmatched, matched };

// "Match Brace {": with a "{" at the caret, selects from it to the "}" that closes it (the "{" alone when
// none does); anything else at the caret leaves the caret where it is.
BraceMatch select_matching_brace(EditorBuffer& editor);

}  // namespace tamsel
