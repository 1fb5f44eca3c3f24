#include "core/command_registry.h"

namespace tamsel {

void CommandRegistry::add(const QString& id, Action action, WhenBusy when_busy) {
    handlers_.insert(id, Handler{std::move(action), when_busy});
}

const CommandRegistry::Handler* CommandRegistry::find(const QString& id) const {
    const auto it = handlers_.constFind(id);
    return it == handlers_.constEnd() ? nullptr : &*it;
}

}  // namespace tamsel
