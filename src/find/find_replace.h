#pragma once
// Find and replace on the editor's text: find next (no wrap), Replace All in one pass over the text, and
// the brace that matches by nesting. Plain texts are matched with or without letter case and as whole
// words or anywhere; a regular expression may be asked for instead.
#include "platform/editor_buffer.h"

#include <QString>
#include <optional>

namespace tamsel {

struct SearchOptions {
    bool whole_word = false;
    bool match_case = false;
    bool regex = false;  // what is a regular expression; the replacement may name its groups as \1 ... \9

    // The options as the settings keep them: 2 whole word, 4 match case, added together.
    int value() const { return (whole_word ? 2 : 0) + (match_case ? 4 : 0); }
};

struct Match {
    qsizetype at = -1;
    qsizetype length = 0;
};

// The first match of what in text at or after from; at -1 when there is none. error receives why a regular
// expression cannot be used (the search then finds nothing).
Match find_in(const QString& text, const QString& what, qsizetype from, SearchOptions options, QString* error = nullptr);

// Find next: from the caret when nothing is selected, else from one after the selection start; the match
// is selected. -1 when nothing is found.
qsizetype find_next(EditorBuffer& editor, const QString& what, SearchOptions options, QString* error = nullptr);

// Replaces every match, left to right, the first character included and never inside text just put in,
// as one undo step. Returns the number of replacements; 0 with error set when the expression is wrong.
qsizetype replace_all(EditorBuffer& editor, const QString& what, const QString& with, SearchOptions options,
                      QString* error = nullptr);

// The brace that matches the one at position (an opening "{" searches forward, a closing "}" backward),
// counting nested pairs; nothing when position holds no brace or the pair is not closed.
std::optional<qsizetype> matching_brace(QStringView text, qsizetype position);

}  // namespace tamsel
