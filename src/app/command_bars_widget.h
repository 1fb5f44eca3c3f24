#pragma once
// The menu bar, the tool bar and the pop-up menu, built from the command table. Every item only delivers
// its id; opening a top-level menu delivers the menu's id, so that states are fresh when it shows.
#include "app/recent_files.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QStringView>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tamsel {

class CommandStates;

// The keys of a command on this desktop. A standard binding that one of the fixed keys of another command
// takes is left out (the desktop's Find Next may also be Ctrl+G, which is Go to Line here): a key bound
// twice would do neither.
QList<QKeySequence> keys_of_command(QStringView id);

// Keys between the documents' tabs, which are no command of the menus.
inline constexpr std::array<QStringView, 2> next_tab_keys = {u"Ctrl+Tab", u"Ctrl+PgDown"};
inline constexpr std::array<QStringView, 2> previous_tab_keys = {u"Ctrl+Shift+Tab", u"Ctrl+PgUp"};


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
