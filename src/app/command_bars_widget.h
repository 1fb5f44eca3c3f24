#pragma once
// The menu bar, the tool bar and the pop-up menu, built from the command table. Every item only delivers
// its id; opening a top-level menu delivers the menu's id, so that states are fresh when it shows.
#include "app/recent_files.h"

#include <QHash>
#include <QObject>
#include <QStringView>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tamsel {

class CommandStates;

class CommandBars : public QObject {
    Q_OBJECT
public:
    explicit CommandBars(QMainWindow* window);

    // Enabled and visible flags of every command.
    void apply(const CommandStates& states);
    void set_recent_items(const QList<RecentMenuItem>& items);
    void set_checked(QStringView id, bool checked);

    QAction* action(QStringView id) const;
    QMenu* menu(QStringView id) const;
    QToolBar* toolbar() const { return toolbar_; }
    QMenu* popup() const { return popup_; }

Q_SIGNALS:
    void command(const QString& id);

private:
    void build_menus(QMainWindow* window);
    void build_toolbar(QMainWindow* window);

    // The menu's action first, then the tool bar's own, which carries a short text.
    QHash<QString, QList<QAction*>> actions_;
    QHash<QString, QMenu*> menus_;
    QToolBar* toolbar_ = nullptr;
    QMenu* popup_ = nullptr;
};

}  // namespace tamsel
