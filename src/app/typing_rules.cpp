#include "app/typing_rules.h"

#include "inspector/tag_properties.h"

#include "platform/clipboard.h"
#include "platform/editor_buffer.h"

#include <algorithm>
#include <cmath>

namespace tamsel {
namespace {

// Line ends and tabs end a word too, so that a double-click never selects across lines.
bool word_char(QChar c) { return !QStringView(u" .,;:<>\r\n\t").contains(c); }

}  // namespace

void insert_tab(EditorBuffer& editor, int tab_width) {
    editor.set_selection(editor.selection_start(), 0);
    editor.replace_selection(QString(std::max(tab_width, 0), QLatin1Char(' ')));
}

void insert_at_caret(EditorBuffer& editor, const QString& text) { editor.replace_selection(text); }

bool clipboard_command(QChar letter, EditorBuffer& editor, Clipboard& clipboard) {
    switch (letter.toUpper().unicode()) {
    case u'Z':
        if (!editor.can_undo()) return false;
        editor.undo();
        return true;
    case u'C':
        if (!editor.selected_text().isEmpty()) clipboard.set_text(editor.selected_text());
        return false;
    case u'X':
        if (editor.selected_text().isEmpty()) return false;
        clipboard.set_text(editor.selected_text());
        editor.replace_selection(QString());
        return true;
    case u'V': {
        const QString text = clipboard.text();
        if (text.isEmpty()) return false;
        editor.replace_selection(text);
        return true;
    }
    default: return false;
    }
}

Span double_click_span(const QString& text, qsizetype caret) {
    caret = std::clamp<qsizetype>(caret, 0, text.size());
    // The tag: the next ">" from one character before the caret, and the last "<" up to the caret.
    const qsizetype close = text.indexOf(QLatin1Char('>'), std::max<qsizetype>(caret - 1, 0));
    const qsizetype open = close < 0 ? -1 : text.lastIndexOf(QLatin1Char('<'), std::min(caret, text.size() - 1));
    if (open >= 0 && close > open) {
        const QStringView inside = QStringView(text).mid(open + 1, close - open - 1);
        if (!inside.contains(QLatin1Char('<')) && !inside.contains(QLatin1Char('>'))) return {open, close - open + 1, true};
    }
    qsizetype start = caret;
    while (start > 0 && word_char(text[start - 1])) --start;
    qsizetype end = caret;
    while (end < text.size() && word_char(text[end])) ++end;
    return {start, end - start, false};
}

std::optional<QString> inspector_tag_text(const QString& tag) {
    if (tag.startsWith(QLatin1String("</"))) return std::nullopt;
    return normalised_tag_text(tag);
}

std::optional<float> dragged_split_ratio(int pointer_y, int height, float current) {
    if (height <= 0) return std::nullopt;
    float ratio = std::trunc(static_cast<float>(pointer_y) / static_cast<float>(height) * 100.0f) / 100.0f;
    ratio = std::clamp(ratio, 0.1f, 0.9f);
    if (std::abs(ratio - current) <= 0.02f) return std::nullopt;
    return ratio;
}

}  // namespace tamsel
