#include "app/dispatcher.h"

#include "app/documents.h"
#include "app/workspace.h"
#include "core/command_registry.h"
#include "platform/dialog_host.h"

namespace tamsel {

void Dispatcher::dispatch_command(const QString& id) {
    const CommandRegistry::Handler* handler = handlers_.find(id);
    if (ws_.window.tabs_updating) {
        if (handler && handler->when_busy == CommandRegistry::WhenBusy::beep) ws_.dialogs.beep();
        return;
    }
    if (handler) handler->action();
    else open_recent_item(id);
}

void Dispatcher::open_recent_item(const QString& id) {
    const QList<RecentMenuItem> items = ws_.recent.menu_items();
    for (qsizetype p = 0; p < items.size(); ++p) {
        if (items[p].id.compare(id, Qt::CaseInsensitive) == 0) {
            documents_.open_recent(static_cast<int>(p));
            return;
        }
    }
}

}  // namespace tamsel
