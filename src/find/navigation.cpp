#include "find/navigation.h"

#include "find/find_replace.h"

#include <algorithm>
#include <limits>

namespace tamsel {

void go_to_line(EditorBuffer& editor, qint64 line) {
    const qint64 last = std::max(editor.line_count(), 1);
    const int target = static_cast<int>(std::clamp<qint64>(line, 1, last)) - 1;
    editor.set_selection(editor.line_start(target), 0);
}

std::optional<qint64> line_answer(const QString& answer) {
    const QString digits = answer.trimmed();
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool fits = false;
    const qint64 line = digits.toLongLong(&fits);
    if (!fits) return std::numeric_limits<qint64>::max();
    if (line <= 0) return std::nullopt;
    return line;
}

BraceMatch select_matching_brace(EditorBuffer& editor) {
    const qsizetype at = editor.selection_start();
    if (at >= editor.length()) return BraceMatch::not_a_brace;
    editor.set_selection(at, 1);
    if (editor.selected_text() != QLatin1String("{")) {
        editor.set_selection(at, 0);
        return BraceMatch::not_a_brace;
    }
    const std::optional<qsizetype> close = matching_brace(editor.text(), at);
    if (!close) return BraceMatch::unmatched;
    editor.set_selection(at, *close - at + 1);
    return BraceMatch::matched;
}

}  // namespace tamsel
