#pragma once
// What each command id does. Every subsystem adds the handlers of its own commands in one registration
// function of its folder; the command table says where a command sits and when it is enabled, this says
// what it does. A command of the table without a handler stays disabled.
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace tamsel {

class CommandRegistry {
public:
    using Action = std::function<void()>;
    // What a command does when it arrives while a long operation runs: nothing, or a beep as well.
    enum class WhenBusy { ignore, beep };

    struct Handler {
        Action action;
        WhenBusy when_busy = WhenBusy::ignore;
    };

    // A second handler for the same id replaces the first.
    void add(const QString& id, Action action, WhenBusy when_busy = WhenBusy::ignore);
    // Ids are matched exactly, as the menus deliver them.
    const Handler* find(const QString& id) const;
    bool has(const QString& id) const { return find(id) != nullptr; }
    QStringList ids() const { return handlers_.keys(); }

private:
    QHash<QString, Handler> handlers_;
};

}  // namespace tamsel
