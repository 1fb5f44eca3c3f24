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

    void remember(const QString& text) {
        history.removeAll(text);
        history.prepend(text);
    }
};

enum class FindMode { find, replace };

// Find next as the "&Find" button and "Find Next" run it: the match selected, or a beep and, when asked
// for, the "'TEXT' not found." message (a wrong expression says why instead).
qsizetype find_next_told(EditorBuffer& editor, DialogHost& dialogs, const FindState& state, bool tell);

class FindForm {
public:
    virtual ~FindForm() = default;
    // Shows the dialog in mode over the editor; it works on the editor itself until it is closed. True
    // when it replaced text.
    virtual bool show(FindMode mode, EditorBuffer& editor, DialogHost& dialogs, FindState& state) = 0;
};

// For tests of the commands: records the showings and does nothing.
class ScriptedFindForm : public FindForm {
public:
    QList<FindMode> shown;
    bool show(FindMode mode, EditorBuffer&, DialogHost&, FindState&) override {
        shown.append(mode);
        return false;
    }
};

class CommandRegistry;
class EditorSession;
void register_find_commands(CommandRegistry& handlers, EditorSession& session);

}  // namespace tamsel
