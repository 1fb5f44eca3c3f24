#include "app/command_bars_widget.h"

#include "app/command_icons_widget.h"
#include "app/command_table.h"
#include "app/window_state.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tamsel {
namespace {

struct ToolText {
    QStringView id;
    QStringView text;
};

// Short texts of the tool-bar buttons; the full caption is their tip.
constexpr std::array<ToolText, 17> tool_texts = {{
    {u"id_File_New", u"New"},          {u"id_File_Open", u"Open"},          {u"id_File_Save", u"Save"},
    {u"id_Edit_Cut", u"Cut"},          {u"id_Edit_Copy", u"Copy"},          {u"id_Edit_Paste", u"Paste"},
    {u"id_Find", u"Find"},             {u"id_FindNext", u"Next"},           {u"ID_Replace", u"Replace"},
    {u"ID_Undo", u"Undo"},             {u"id_BookMark_Add", u"Mark"},       {u"id_BookMark_Prev", u"< Mark"},
    {u"id_BookMark_Next", u"Mark >"},  {u"id_BookMark_Clear", u"Unmark"},  {u"ID_PreviewinTamselWindow", u"Preview"},
    {u"ID_ViewinInternetExplorer", u"Browser 1"}, {u"ID_ViewinNetscape", u"Browser 2"},
}};

// The keys of the commands, shown beside them in the menus: the desktop's standard keys where it has one
// for the command, fixed keys for the rest. The editor's own keys (Tab, Ctrl+Enter, Ctrl+Space, Home,
// End) are the editor's and are not here.
struct CommandKey {
    QStringView id;
    QKeySequence::StandardKey standard;  // UnknownKey: the command has the fixed keys instead
    QStringView keys;  // in portable text ("Ctrl+G"); with a standard key, used where the desktop has none
};

namespace command_key_rows {
using K = QKeySequence;

inline constexpr std::array<CommandKey, 25> command_keys = {{
    {u"id_File_New",                 K::New,        u"Ctrl+N"},
    {u"id_File_Open",                K::Open,       u"Ctrl+O"},
    {u"id_File_Save",                K::Save,       u"Ctrl+S"},
    {u"ID_File_SaveAs",              K::SaveAs,     u"Ctrl+Shift+S"},
    {u"ID_File_Close",               K::Close,      u"Ctrl+W"},
    {u"id_Print",                    K::Print,      u"Ctrl+P"},
    {u"id_Menu_FileExit",            K::Quit,       u"Ctrl+Q"},
    {u"ID_Undo",                     K::Undo,       u"Ctrl+Z"},
    {u"id_Edit_Cut",                 K::Cut,        u"Ctrl+X"},
    {u"id_Edit_Copy",                K::Copy,       u"Ctrl+C"},
    {u"id_Edit_Paste",               K::Paste,      u"Ctrl+V"},
    {u"ID_SelectAll",                K::SelectAll,  u"Ctrl+A"},
    {u"id_Find",                     K::Find,       u"Ctrl+F"},
    {u"id_FindNext",                 K::FindNext,   u"F3"},
    {u"ID_Replace",                  K::Replace,    u"Ctrl+H"},
    {u"id_Goto_Line",                K::UnknownKey, u"Ctrl+G"},
    {u"id_BookMark_Add",             K::UnknownKey, u"Ctrl+F2"},
    {u"id_BookMark_Next",            K::UnknownKey, u"F2"},
    {u"id_BookMark_Prev",            K::UnknownKey, u"Shift+F2"},
    {u"ID_PreviewinTamselWindow",    K::UnknownKey, u"F5"},
    {u"id_FullScreen",               K::UnknownKey, u"F11"},
    {u"id_Cleanup_HTML_Code",        K::UnknownKey, u"F7"},
    {u"ID_UpdateSyntaxHighlighting", K::UnknownKey, u"F8"},
    {u"ID_GotoPageBegin",            K::MoveToStartOfDocument, u"Ctrl+Home"},
    {u"ID_GotoPageEnd",              K::MoveToEndOfDocument,   u"Ctrl+End"},
}};
}  // namespace command_key_rows
using command_key_rows::command_keys;

bool fixed_elsewhere(const QKeySequence& key) {
    for (const CommandKey& k : command_keys)
        if (k.standard == QKeySequence::UnknownKey && QKeySequence(k.keys.toString(), QKeySequence::PortableText) == key)
            return true;
    for (const auto& list : {next_tab_keys, previous_tab_keys})
        for (const QStringView text : list)
            if (QKeySequence(text.toString(), QKeySequence::PortableText) == key) return true;
    return false;
}


bool has_items(QStringView id) {
    if (id == recent_menu) return true;
    for (const CommandDef& c : command_table)
        if (c.parent == id) return true;
    return false;
}

QString plain_caption(QStringView caption) { return caption.toString().remove(QLatin1Char('&')); }

}  // namespace

QList<QKeySequence> keys_of_command(QStringView id) {
    for (const CommandKey& k : command_keys) {
        if (k.id != id) continue;
        const QKeySequence fixed(k.keys.toString(), QKeySequence::PortableText);
        if (k.standard == QKeySequence::UnknownKey) return {fixed};
        QList<QKeySequence> keys = QKeySequence::keyBindings(k.standard);
        if (keys.isEmpty()) keys = {fixed};  // a desktop (or none) without this standard key
        keys.removeIf(fixed_elsewhere);
        return keys;
    }
    return {};
}


CommandBars::CommandBars(QMainWindow* window) : QObject(window) {
    build_menus(window);
    build_toolbar(window);
    popup_ = new QMenu(window);
    popup_->setObjectName(popup_bar.toString());
    for (QStringView id : popup_ids) popup_->addAction(action(id));
}

void CommandBars::build_menus(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(menu_bar.toString());
    for (const CommandDef& c : command_table) {
        const QString id = c.id.toString();
        QMenu* parent = menus_.value(c.parent.toString());
        if (c.id == u"-") {
            if (parent) parent->addSeparator();
            continue;
        }
        QAction* act = nullptr;
        if (c.parent == menu_bar || has_items(c.id)) {
            QMenu* m = c.parent == menu_bar ? bar->addMenu(c.caption.toString()) : parent->addMenu(c.caption.toString());
            m->setObjectName(id);
            menus_.insert(id, m);
            act = m->menuAction();
            // Opening a menu is a command of its own: it refreshes the states before the items show.
            connect(m, &QMenu::aboutToShow, this, [this, id] { Q_EMIT command(id); });
        } else {
            act = new QAction(command_icon(c.id), c.caption.toString(), this);
            // Only the menu item holds the keys: the tool-bar button of the same command would make them
            // ambiguous.
            act->setShortcuts(keys_of_command(c.id));
            if (parent) parent->addAction(act);
            connect(act, &QAction::triggered, this, [this, id] { Q_EMIT command(id); });
        }
        act->setObjectName(id);
        if (!c.tip.isEmpty()) act->setToolTip(c.tip.toString());
        actions_[id].append(act);
    }
    for (QStringView id : {u"ID_ShowToolbar", u"ID_ShowLineNumbers", u"ID_ViewSpecial"}) action(id)->setCheckable(true);
}

void CommandBars::build_toolbar(QMainWindow* window) {
    toolbar_ = window->addToolBar(tool_bar.toString());
    toolbar_->setObjectName(tool_bar.toString());
    toolbar_->setMovable(false);
    // Pictures only, as desktop editors show them; the short text stays the button's name and its tip
    // tells what it does.
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QStringView id : toolbar_ids) {
        if (id == u"-") {
            toolbar_->addSeparator();
            continue;
        }
        QString text = plain_caption(find_command(id)->caption);
        for (const ToolText& t : tool_texts)
            if (t.id == id) text = t.text.toString();
        const QString key = id.toString();
        auto* act = new QAction(command_icon(id), text, this);
        act->setObjectName(key + QStringLiteral("_tool"));
        const QStringView tip = find_command(id)->tip;
        act->setToolTip(tip.isEmpty() ? plain_caption(find_command(id)->caption) : tip.toString());
        connect(act, &QAction::triggered, this, [this, key] { Q_EMIT command(key); });
        toolbar_->addAction(act);
        actions_[key].append(act);
    }
}

QAction* CommandBars::action(QStringView id) const {
    const auto it = actions_.constFind(id.toString());
    return it == actions_.constEnd() || it->isEmpty() ? nullptr : it->constFirst();
}

QMenu* CommandBars::menu(QStringView id) const { return menus_.value(id.toString()); }

void CommandBars::apply(const CommandStates& states) {
    for (auto it = actions_.constBegin(); it != actions_.constEnd(); ++it) {
        const bool enabled = states.enabled(it.key());
        const bool visible = states.visible(it.key());
        for (QAction* act : *it) {
            if (act->isEnabled() != enabled) act->setEnabled(enabled);
            if (act->isVisible() != visible) act->setVisible(visible);
        }
    }
}

void CommandBars::set_recent_items(const QList<RecentMenuItem>& items) {
    QMenu* recent = menu(recent_menu);
    recent->clear();
    for (const RecentMenuItem& item : items) {
        QAction* act = recent->addAction(item.caption);
        act->setObjectName(item.id);
        const QString id = item.id;
        connect(act, &QAction::triggered, this, [this, id] { Q_EMIT command(id); });
    }
}

void CommandBars::set_checked(QStringView id, bool checked) {
    if (QAction* act = action(id)) act->setChecked(checked);
}

}  // namespace tamsel
