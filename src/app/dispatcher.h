#pragma once
// The one dispatcher: every menu item, tool-bar button and pop-up item delivers its id here, and the id's
// action runs against the document set, the editor or the previews. Ids are matched exactly; an id of no
// command is looked up among the recent-file items, and ignored when it is none of them either.
#include <QString>
#include <functional>
#include <span>

namespace tamsel {

class Clipboard;
class DocumentColouring;
class Documents;
class EditorBuffer;
class Preview;
class ProgressBar;
class ShellView;
class Workspace;

class Dispatcher {
public:
    Dispatcher(Workspace& ws, EditorBuffer& editor, ShellView& view, Clipboard& clipboard, Documents& documents,
               Preview& preview, DocumentColouring& colouring, ProgressBar& bar)
        : ws_(ws), editor_(editor), view_(view), clipboard_(clipboard), documents_(documents), preview_(preview),
          colouring_(colouring), bar_(bar) {}

    // Runs the action of id; ignored while tabs_updating is on (a long operation runs), with a beep for
    // the cleanup. An exit request is left in the window state for the main window to act on.
    void dispatch_command(const QString& id);

    // The choice of the new-document dialog; until that dialog exists a blank HTML page is made.
    std::function<QString()> choose_new_document = [] { return QStringLiteral("ID_HTMLBlank"); };

    // The ids with an action here; every command the table marks as wired is one of them.
    static QStringList routed_ids();

private:
    struct Route {
        QStringView id;
        void (Dispatcher::*run)();
    };
    static std::span<const Route> routes();

    void refresh_states();
    void file_new();
    void file_open();
    void file_close();
    void file_save();
    void file_save_as();
    void save_template();
    void file_exit();
    void edit_cut();
    void edit_copy();
    void edit_paste();
    void edit_undo();
    void edit_clear();
    void select_all();
    void page_begin();
    void page_end();
    void toggle_line_numbers();
    void toggle_special();
    void toggle_toolbar();
    void split_preview();
    void refresh_preview();
    void full_preview();
    void view_source();
    void view_browser_1();
    void view_browser_2();
    void update_colouring();
    void remove_colouring();
    void cleanup_html();
    void about();
    void homepage();
    void publish();
    void nothing() {}

    void clipboard(QChar letter);
    void not_implemented(const QString& name);
    void open_recent_item(const QString& id);

    Workspace& ws_;
    EditorBuffer& editor_;
    ShellView& view_;
    Clipboard& clipboard_;
    Documents& documents_;
    Preview& preview_;
    DocumentColouring& colouring_;
    ProgressBar& bar_;
};

}  // namespace tamsel
