#pragma once
// What the editor adds to ordinary typing, as far as it can be said without a widget: Tab as spaces, the
// Ctrl+Enter and Ctrl+Space insertions, the clipboard letters, the double-click on a tag or a word, and
// the splitter between editor and preview.
#include <QString>
#include <optional>

namespace tamsel {

class Clipboard;
class EditorBuffer;

// Tab: the selection collapses to its start and tab_width spaces go in at the caret.
void insert_tab(EditorBuffer& editor, int tab_width);

// Replaces the selection by text and leaves the caret after it (Ctrl+Enter gives "<br>" and a line end,
// Ctrl+Space "&nbsp;").
void insert_at_caret(EditorBuffer& editor, const QString& text);

// "Z" undo, "C" copy, "X" cut, "V" paste (any letter case). True when the text changed.
bool clipboard_command(QChar letter, EditorBuffer& editor, Clipboard& clipboard);

struct Span {
    qsizetype start = 0;
    qsizetype length = 0;
    bool is_tag = false;  // a whole tag from "<" to ">"
    bool operator==(const Span&) const = default;
};

// What a double-click at caret selects: the tag around it when the caret is between a "<" and the next
// ">" with neither in between; otherwise the word, the run of characters other than " .,;:<>" and line
// ends.
Span double_click_span(const QString& text, qsizetype caret);

// The tag as the property inspector receives it: control characters become blanks and runs of blanks
// one. Closing tags give nothing.
std::optional<QString> inspector_tag_text(const QString& tag);

// The editor's share of the height after the splitter moved to pointer_y (measured from the top of the
// editor pane, in a container of height): truncated to hundredths and kept within 0.1 to 0.9. Nothing
// when it differs from current by 0.02 or less.
std::optional<float> dragged_split_ratio(int pointer_y, int height, float current);

}  // namespace tamsel
