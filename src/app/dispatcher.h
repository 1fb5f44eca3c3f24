#pragma once
// The one dispatcher: every menu item, tool-bar button and pop-up item delivers its id here, and the
// handler its feature registered runs. Ids are matched exactly; an id of no command is looked up among the
// recent-file items, and ignored when it is none of them either.
#include <QString>

namespace tamsel {

class CommandRegistry;
class Documents;
class Workspace;

class Dispatcher {
public:
    Dispatcher(Workspace& ws, const CommandRegistry& handlers, Documents& documents)
        : ws_(ws), handlers_(handlers), documents_(documents) {}

    // Runs the handler of id; ignored while tabs_updating is on (a long operation runs), with a beep for
    // the commands that ask for one. An exit request is left in the window state for the window to act on.
    void dispatch_command(const QString& id);

private:
    void open_recent_item(const QString& id);

    Workspace& ws_;
    const CommandRegistry& handlers_;
    Documents& documents_;
};

}  // namespace tamsel
