#pragma once
// frm_Master: the main window. It shows the documents and delivers what the user does to the session;
// the state lives in the workspace and the logic in the session's QtCore-only classes.
#include "app/shell_view.h"
#include "core/form_set.h"
#include "platform/edited_span.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QSplitter;
class QTabBar;
class QTimer;

namespace tamsel {

class CommandBars;
class DocumentColouring;
class Documents;
class EditTextWidget;
class PreviewPaneWidget;
class ProgressBar;
class ProgressPanelWidget;
class Session;
class SpecialCharsWidget;
class SystemClipboard;
class Workspace;

struct MasterOptions {
    int splash_ms = 2000;    // how long the splash stays at least, measured as elapsed time
    bool web_engine = true;  // the preview pane shows pages in the browser engine (tests go without)
    bool startup_documents = true;  // open what "startup_mode" asks for; off when files were named to open
};

class MasterWindow : public QMainWindow, public ShellView {
    Q_OBJECT
public:
    MasterWindow(Workspace& ws, MasterOptions options = {}, QWidget* parent = nullptr);
    ~MasterWindow() override;

    // The start-up steps: splash, recent list, database, caption, configuration, view settings, and the
    // document that "startup_mode" asks for.
    void load();
    // Opens files named on the command line, after start-up.
    void open_paths(const QStringList& paths);
    // Runs a command id and closes the window when the command asked for it.
    void dispatch(const QString& id);
    // Runs the preview-tracking check (the timer and Enter call it).
    void tracking_check();

    Session& session() { return *session_; }
    Documents& documents();
    EditTextWidget& editor() { return *edit_; }
    ProgressBar& progress();
    DocumentColouring& colouring();
    CommandBars& bars() { return *bars_; }
    PreviewPaneWidget& preview_pane() { return *browse_; }
    // The forms of the features; the window installs its widgets, a test may put scripted ones instead.
    FormSet& forms() { return forms_; }

    // ShellView
    void add_tab(const QString& caption, int image, const QString& tip) override;
    void remove_tab(int index) override;
    void select_tab(int index) override;
    void set_tab(int index, const QString& caption, int image, const QString& tip) override;
    void set_caption(const QString& caption) override;
    void set_recent_menu(const QList<RecentMenuItem>& items) override;
    void set_document_style(LineEnds line_ends, int font_size) override;
    void layout_view() override;
    void refresh_view() override;
    void refresh_gutter() override;
    void show_status(const QString& text) override;
    void refresh_command_states() override;
    void show_preview(const QUrl& address) override;
    void set_input_enabled(bool on) override;
    void set_busy(bool on) override;
    void let_events_run() override;
    void show_about() override;
    void document_coloured() override;

Q_SIGNALS:
    void preview_refresh_requested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Coming back to the window, the user learns of files other programs changed meanwhile.
    void changeEvent(QEvent* event) override;

private:
    void build_panes();
    void add_tab_keys();
    void close_tab(int index);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void build_status_bar();
    void follow_edits_with_colour();
    void recolour_edited_lines();
    void refresh_status();
    void install_forms();
    void connect_editor();
    void text_changed();
    void splitter_moved(int position);
    void unload();

    Workspace& ws_;
    MasterOptions options_;
    QLabel* warning_ = nullptr;
    QTimer* timer_ = nullptr;
    QTimer* journal_timer_ = nullptr;
    // What typing edited is coloured again when it pauses.
    QTimer* recolour_timer_ = nullptr;
    EditedSpan recolour_;  // the edits typing has made since the edited text was last coloured
    QElapsedTimer clock_;
    QTabBar* project_strip_ = nullptr;
    QSplitter* master_container_ = nullptr;
    EditTextWidget* edit_ = nullptr;
    PreviewPaneWidget* browse_ = nullptr;
    SpecialCharsWidget* special_ = nullptr;
    ProgressPanelWidget* progress_panel_ = nullptr;
    // Caret position, selection, document type, encoding, line ends: see status_fields.h.
    std::array<QLabel*, 5> status_labels_{};
    CommandBars* bars_ = nullptr;

    FormSet forms_;
    std::unique_ptr<SystemClipboard> clipboard_;
    std::unique_ptr<Session> session_;

    bool fatal_checked_ = false;
    bool unloaded_ = false;
    bool busy_ = false;
    bool waiting_ = false;  // an external browser runs
};

}  // namespace tamsel
