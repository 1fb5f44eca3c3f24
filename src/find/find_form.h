#pragma once
// frm_Find as the find and replace commands ask it, and what it keeps between its showings while the
// program runs: the last search text, replacement and options.
#include "find/find_replace.h"

#include <QStringList>

namespace tamsel {

class DialogHost;

struct FindState {
    QString search;
    QString replacement;
    SearchOptions options;
    QStringList history;  // the texts searched for, the latest first
    qsizetype replaced_all = 0;  // what the last showing's Replace All replaced

    void remember(const QString& text) {
        history.removeAll(text);
        history.prepend(text);
    }
};

enum class FindMode { find, replace };

// Find next as the "&Find" button and "Find Next" run it: the match selected, or a beep and, when asked
// for, the "'TEXT' not found." message (a wrong expression says why instead).
qsizetype find_next_told(EditorBuffer& editor, DialogHost& dialogs, const FindState& state, bool tell);

// The status bar's note after Replace All: "3 occurrences replaced".
QString replaced_note(qsizetype count);

class FindForm {
public:
    virtual ~FindForm() = default;
    // Shows the dialog in mode over the editor; it works on the editor itself until it is closed. True
    // when it replaced text.
    virtual bool show(FindMode mode, EditorBuffer& editor, DialogHost& dialogs, FindState& state) = 0;
};

// For tests of the commands: records the showings; with replace_with set, types search and presses
// Replace All.
class ScriptedFindForm : public FindForm {
public:
    QList<FindMode> shown;
    QString search;
    std::optional<QString> replace_with;
    bool show(FindMode mode, EditorBuffer& editor, DialogHost&, FindState& state) override {
        shown.append(mode);
        if (!replace_with) return false;
        state.search = search;
        state.replaced_all = replace_all(editor, state.search, *replace_with, state.options);
        return state.replaced_all > 0;
    }
};

class CommandRegistry;
class EditorSession;
void register_find_commands(CommandRegistry& handlers, EditorSession& session);

}  // namespace tamsel
