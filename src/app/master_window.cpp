#include "app/master_window.h"

#include "analyze/error_list_dialog.h"
#include "app/command_bars_widget.h"
#include "app/command_icons_widget.h"
#include "app/command_rules.h"
#include "app/crash_journal.h"
#include "app/document_colouring.h"
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/preview.h"
#include "app/preview_pane_widget.h"
#include "app/progress_bar.h"
#include "app/progress_panel_widget.h"
#include "app/session.h"
#include "app/special_chars_widget.h"
#include "app/splash_widget.h"
#include "app/status_fields.h"
#include "app/typing_rules.h"
#include "app/workspace.h"
#include "colour/script_colouring.h"
#include "find/find_dialog.h"
#include "find/function_list_dialog.h"
#include "print/print_dialog.h"
#include "inspector/inspector_commands.h"
#include "inspector/property_dialog.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/system_clipboard_widget.h"
#include "settings/settings_dialog.h"
#include "tagdb/db_browser_dialog.h"
#include "wizards/calendar_wizard_dialog.h"
#include "wizards/colour_picker_dialog.h"
#include "wizards/frame_wizard_dialog.h"
#include "wizards/meta_wizard_dialog.h"
#include "wizards/new_document_dialog.h"
#include "wizards/table_wizard_dialog.h"
#include "wizards/template_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace tamsel {

namespace {
const QString warning_text =
    QStringLiteral("No Documents are currently open.  Click on NEW or OPEN to begin editting a new page.");
constexpr int tracking_interval_ms = 1500;
}  // namespace

MasterWindow::MasterWindow(Workspace& ws, MasterOptions options, QWidget* parent)
    : QMainWindow(parent), ws_(ws), options_(options) {
    setObjectName(QStringLiteral("frm_Master"));
    setWindowTitle(app_title);
    bars_ = new CommandBars(this);
    build_panes();
    resize(1000, 720);

    clipboard_ = std::make_unique<SystemClipboard>();
    ws.progress.set_listener(progress_panel_);
    // Each document keeps its own text in the editor's control: the editor is where texts live.
    ws.documents.set_text_host(edit_);
    install_forms();
    session_ = std::make_unique<Session>(ws, *this, *clipboard_, forms_);
    browse_->set_source(session_->preview().source());
    connect(bars_, &CommandBars::command, this, &MasterWindow::dispatch);
    connect_editor();

    // The crash journal looks for edits every second; it writes only what has been still for a while.
    journal_timer_ = new QTimer(this);
    journal_timer_->setObjectName(QStringLiteral("journal_timer"));
    journal_timer_->setInterval(1000);
    connect(journal_timer_, &QTimer::timeout, this, [this] { session_->journal().tick(clock_.elapsed()); });
    clock_.start();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(tracking_interval_ms);
    connect(timer_, &QTimer::timeout, this, &MasterWindow::tracking_check);

    // Escape anywhere in the window asks a running pass (the colouring) to stop.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escape"));
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] { session_->request_stop(); });
}

MasterWindow::~MasterWindow() {
    unload();
    ws_.progress.set_listener(nullptr);
    // The documents' texts live in this window's editor: they go with it.
    ws_.documents.set_text_host(nullptr);
}

// The forms of the features, one line a form.
void MasterWindow::install_forms() {
    forms_.install<ErrorListForm>(std::make_unique<QtErrorListForm>(this));
    forms_.install<MetaWizardForm>(std::make_unique<QtMetaWizardForm>(this));
    forms_.install<PropertyForm>(std::make_unique<QtPropertyForm>(this));
    forms_.install<ColourPickerForm>(std::make_unique<QtColourPickerForm>(this, ws_.db.colors()));
    forms_.install<SettingsForm>(std::make_unique<QtSettingsForm>(this));
    forms_.install<DatabaseEditorForm>(std::make_unique<QtDatabaseEditorForm>(this));
    forms_.install<FindForm>(std::make_unique<QtFindForm>(this));
    forms_.install<FunctionListForm>(std::make_unique<QtFunctionListForm>(this));
    forms_.install<PrintForm>(std::make_unique<QtPrintForm>(this));
    forms_.install<TableWizardForm>(std::make_unique<QtTableWizardForm>(this, ws_.dialogs));
    forms_.install<CalendarForm>(std::make_unique<QtCalendarForm>(this));
    forms_.install<FrameWizardForm>(std::make_unique<QtFrameWizardForm>(this));
    forms_.install<NewDocumentForm>(std::make_unique<QtNewDocumentForm>(this, document_icon));
    forms_.install<TemplateForm>(std::make_unique<QtTemplateForm>(this, document_icon));
}

Documents& MasterWindow::documents() { return session_->files(); }
ProgressBar& MasterWindow::progress() { return session_->bar(); }
DocumentColouring& MasterWindow::colouring() { return session_->colouring(); }

void MasterWindow::build_panes() {
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    project_strip_ = new QTabBar(centre);
    project_strip_->setObjectName(QStringLiteral("project_strip"));
    project_strip_->setExpanding(false);
    project_strip_->setDocumentMode(true);
    column->addWidget(project_strip_);

    master_container_ = new QSplitter(Qt::Vertical, centre);
    master_container_->setObjectName(QStringLiteral("Master_Container"));
    master_container_->setChildrenCollapsible(false);
    auto* edit_container = new QWidget(master_container_);
    edit_container->setObjectName(QStringLiteral("edit_container"));
    auto* edit_box = new QVBoxLayout(edit_container);
    edit_box->setContentsMargins(0, 0, 0, 0);
    edit_ = new EditTextWidget(edit_container);
    edit_box->addWidget(edit_);
    browse_ = new PreviewPaneWidget(options_.web_engine, master_container_);
    master_container_->addWidget(edit_container);
    master_container_->addWidget(browse_);
    column->addWidget(master_container_, 1);

    special_ = new SpecialCharsWidget(centre);
    column->addWidget(special_);
    warning_ = new QLabel(warning_text, centre);
    warning_->setObjectName(QStringLiteral("warning"));
    warning_->setAlignment(Qt::AlignCenter);
    warning_->setWordWrap(true);
    column->addWidget(warning_, 1);
    setCentralWidget(centre);

    build_status_bar();

    connect(project_strip_, &QTabBar::currentChanged, this, [this](int index) { session_->files().tab_clicked(index); });
    // A tab closes by its close button or a middle click, as the Close command would close it when shown.
    project_strip_->setTabsClosable(true);
    connect(project_strip_, &QTabBar::tabCloseRequested, this, &MasterWindow::close_tab);
    project_strip_->installEventFilter(this);
    add_tab_keys();
    connect(master_container_, &QSplitter::splitterMoved, this, &MasterWindow::splitter_moved);
    connect(special_, &SpecialCharsWidget::entity_chosen, this, [this](const QString& name) {
        edit_->replace_selection(QLatin1Char('&') + name + QLatin1Char(';'));
        edit_->setFocus();
    });
}

void MasterWindow::connect_editor() {
    connect(edit_, &ScintillaEditorWidget::text_edited, this, &MasterWindow::text_changed);
    follow_edits_with_colour();
    // Undo or redo across the save point: the changed flag and its mark follow.
    connect(edit_, &QsciScintilla::modificationChanged, this, [this] {
        if (session_ && !ws_.window.tabs_updating) session_->files().text_edited();
    });
    connect(edit_, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) { refresh_gutter(); });
    connect(edit_, &EditTextWidget::enter_typed, this, &MasterWindow::tracking_check);
    connect(edit_, &EditTextWidget::states_may_change, this, &MasterWindow::refresh_command_states);
    connect(edit_, &EditTextWidget::command_key, this, &MasterWindow::dispatch);
    connect(edit_, &EditTextWidget::escape_pressed, this, [this] { session_->request_stop(); });
    connect(edit_, &EditTextWidget::tag_double_clicked, this, [this](qsizetype start, qsizetype length, const QString&) {
        if (!waiting_) inspect_tag(*session_, ws_.db, start, length);
    });
    connect(edit_, &EditTextWidget::popup_requested, this, [this](const QPoint& at) {
        refresh_command_states();
        bars_->popup()->exec(at);
    });
}

// Every change of the text is an edit the user can lose: it marks the document changed.
void MasterWindow::text_changed() {
    if (session_) session_->text_edited();
    else ws_.mark_changed();
}

void MasterWindow::load() {
    WindowState& st = ws_.window;
    SplashWidget splash(this);
    splash.show();
    QApplication::processEvents();
    QElapsedTimer shown;
    shown.start();

    st = WindowState{};
    st.tabs_updating = true;
    ws_.recent.load_recent(ws_.store);
    set_recent_menu(ws_.recent.menu_items());
    st.view_flags = ViewFlags{};
    if (!ws_.db.load_database(ws_.paths.user_data))
        ws_.dialogs.message_box({ws_.db.fatal_message(), app_title, Buttons::Ok, Icon::None});
    setWindowTitle(versioned_caption());
    layout_view();
    show_document_commands(ws_.commands, false);
    st.tabs_updating = false;
    ws_.config.load_config(ws_.store, ws_.paths.user_data);
    apply_view_settings(ws_.config, st, ws_.commands);
    st.highlight_on = ws_.config.config_flag(highlight_mode);
    edit_->set_tab_width(ws_.config.config_int(tab_width));
    refresh_view();
    refresh_command_states();

    // The splash stays up for its time even when loading was instant; events keep the window alive meanwhile.
    while (shown.elapsed() < options_.splash_ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    splash.set_close_visible(true);
    splash.close();
    timer_->start();
    if (ws_.db.db_fatal) {
        if (isVisible()) QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    session_->journal().start(session_->files());
    journal_timer_->start();
    if (options_.startup_documents) session_->files().open_at_startup();
}

void MasterWindow::open_paths(const QStringList& paths) {
    for (const QString& path : paths) {
        if (path.isEmpty()) continue;
        session_->files().remember_recent(path);
        session_->files().open_document(path, false);
    }
    refresh_command_states();
}

void MasterWindow::dispatch(const QString& id) {
    session_->dispatch_command(id);
    if (ws_.window.exit_request) {
        ws_.window.exit_request = false;
        close();
    }
}

void MasterWindow::tracking_check() {
    if (session_->tracking_check()) Q_EMIT preview_refresh_requested();
}

void MasterWindow::splitter_moved(int position) {
    if (const auto ratio = dragged_split_ratio(position, master_container_->height(), ws_.window.split_ratio))
        ws_.window.split_ratio = *ratio;
    layout_view();
}

void MasterWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    layout_view();
    refresh_command_states();
    // A missing data file ends the program at the window's first activation, after the loader's message.
    if (!fatal_checked_) {
        fatal_checked_ = true;
        if (ws_.db.db_fatal) QTimer::singleShot(0, this, &QWidget::close);
    }
}

void MasterWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layout_view();  // the split keeps its ratio
}

void MasterWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // After the event: a question shown from inside it would be shown while focus is still moving.
    QTimer::singleShot(0, this, [this] {
        const bool idle = !waiting_ && !unloaded_ && !ws_.window.tabs_updating;
        if (idle && isActiveWindow()) session_->files().check_disk_changes();
    });
}

void MasterWindow::closeEvent(QCloseEvent* event) {
    // Nothing closes while a long operation or an external browser runs; then the documents close one by
    // one, and a Cancel keeps the window and the documents not yet closed.
    if (waiting_ || ws_.window.tabs_updating || !session_->files().close_all()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void MasterWindow::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    timer_->stop();
    journal_timer_->stop();
    session_->journal().finish();
    ws_.recent.save_recent(ws_.store);
}

// ShellView

void MasterWindow::add_tab(const QString& caption, int image, const QString& tip) {
    const QSignalBlocker quiet(project_strip_);
    const int index = project_strip_->addTab(caption);
    project_strip_->setTabToolTip(index, tip);
    project_strip_->setTabIcon(index, document_icon(image));
}

void MasterWindow::remove_tab(int index) {
    const QSignalBlocker quiet(project_strip_);
    project_strip_->removeTab(index);
}

void MasterWindow::select_tab(int index) {
    const QSignalBlocker quiet(project_strip_);
    if (index >= 0 && index < project_strip_->count()) project_strip_->setCurrentIndex(index);
}

void MasterWindow::set_tab(int index, const QString& caption, int image, const QString& tip) {
    project_strip_->setTabText(index, caption);
    project_strip_->setTabToolTip(index, tip);
    project_strip_->setTabIcon(index, document_icon(image));
}
void MasterWindow::set_caption(const QString& caption) { setWindowTitle(caption); }
void MasterWindow::set_recent_menu(const QList<RecentMenuItem>& items) { bars_->set_recent_items(items); }

void MasterWindow::set_document_style(LineEnds line_ends, int font_size) {
    edit_->set_line_ends(line_ends);
    edit_->set_font_size(font_size);
    edit_->set_tab_width(ws_.config.config_int(tab_width));
}

void MasterWindow::layout_view() {
    const WindowState& st = ws_.window;
    const bool doc = ws_.documents.active() != nullptr;
    const bool editor = doc && !st.full_preview_on;
    const bool preview = doc && (st.full_preview_on || st.split_preview_on);
    project_strip_->setVisible(!ws_.documents.empty());
    master_container_->setVisible(doc);
    master_container_->widget(0)->setVisible(editor);
    // The editor is hidden while no document is open, so nothing has the keys when the first one opens
    // (one named on the command line among them): they go to the editor, unless a shown widget has them.
    if (const QWidget* keys = focusWidget(); editor && (!keys || !keys->isVisible())) edit_->setFocus();
    browse_->setVisible(preview);
    browse_->set_rulers(ws_.config.config_int(tamsel_rulers));
    warning_->setVisible(!doc);
    special_->setVisible(doc && st.view_flags.special_chars);
    bars_->toolbar()->setVisible(st.view_flags.toolbar);
    edit_->set_line_numbers_shown(st.view_flags.line_numbers);
    if (editor && preview) {
        const int height = std::max(master_container_->height(), 2);
        const int top = static_cast<int>(static_cast<float>(height) * st.split_ratio);
        master_container_->setSizes({top, height - top});
    }
}

// The caret's place on the left; the selection, the document's type, encoding and line ends on the right,
// before the progress panel.
void MasterWindow::build_status_bar() {
    statusBar()->setObjectName(QStringLiteral("statusbar"));
    constexpr std::array<const char*, 5> names = {"status_position", "status_selection", "status_type",
                                                  "status_encoding", "status_line_ends"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        status_labels_[i] = new QLabel(this);
        status_labels_[i]->setObjectName(QLatin1String(names[i]));
        status_labels_[i]->setContentsMargins(8, 0, 8, 0);
        if (i == 0) statusBar()->addWidget(status_labels_[i]);
        else statusBar()->addPermanentWidget(status_labels_[i]);
    }
    progress_panel_ = new ProgressPanelWidget(this);
    statusBar()->addPermanentWidget(progress_panel_);
    connect(edit_, &ScintillaEditorWidget::caret_moved, this, &MasterWindow::refresh_status);
    connect(edit_, &QsciScintilla::selectionChanged, this, &MasterWindow::refresh_status);
}

void MasterWindow::refresh_status() {
    const qsizetype caret = edit_->caret();
    const int line = edit_->line_of(caret);
    const auto column = static_cast<int>(caret - edit_->line_start(line));
    const StatusFields f = status_fields(ws_.documents.active(), line + 1, column + 1, edit_->selection_length());
    const std::array<const QString*, 5> texts = {&f.position, &f.selection, &f.type, &f.encoding, &f.line_ends};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (status_labels_[i]->text() != *texts[i]) status_labels_[i]->setText(*texts[i]);
        status_labels_[i]->setVisible(!texts[i]->isEmpty());
    }
}

void MasterWindow::close_tab(int index) {
    if (waiting_ || index < 0 || index >= project_strip_->count()) return;
    project_strip_->setCurrentIndex(index);
    if (project_strip_->currentIndex() == index) dispatch(QStringLiteral("ID_File_Close"));
}

bool MasterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == project_strip_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::MiddleButton) {
            close_tab(project_strip_->tabAt(click->position().toPoint()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Typing, undo and redo colour the lines they touched once typing pauses, with the rules of the whole
// colouring: a tag typed into a coloured page shows as a tag, an undone cleanup is coloured again.
void MasterWindow::follow_edits_with_colour() {
    recolour_timer_ = new QTimer(this);
    recolour_timer_->setObjectName(QStringLiteral("recolour_timer"));
    recolour_timer_->setSingleShot(true);
    recolour_timer_->setInterval(250);
    connect(recolour_timer_, &QTimer::timeout, this, &MasterWindow::recolour_edited_lines);
    connect(edit_, &ScintillaEditorWidget::text_edited, this, [this](int first, int last, qsizetype from, qsizetype to) {
        if (!ws_.window.highlight_on) return;
        recolour_.add({first, last, from, to});
        recolour_timer_->start();
    });
}

void MasterWindow::recolour_edited_lines() {
    const EditedSpan edited = std::exchange(recolour_, EditedSpan{});
    const Document* doc = ws_.documents.active();
    if (edited.empty() || !doc || (doc->type() != doc_html && !script_language_of(doc->type())) || !session_) return;
    // A long operation holds the editor (the colouring of a page being opened among them): after it. A
    // whole colouring at its end makes this one needless (document_coloured).
    if (waiting_ || ws_.window.tabs_updating) {
        recolour_ = edited;
        recolour_timer_->start();
        return;
    }
    session_->colouring().recolour_edit(edited);
}

void MasterWindow::document_coloured() {
    recolour_timer_->stop();
    recolour_ = {};
}

// Ctrl+Tab and Ctrl+PgDown go to the next document, the same with Shift or PgUp back, round the ends.
void MasterWindow::add_tab_keys() {
    const auto step_tabs = [this](int step) {
        const int count = project_strip_->count();
        if (count < 2 || !centralWidget()->isEnabled()) return;
        project_strip_->setCurrentIndex((project_strip_->currentIndex() + step + count) % count);
    };
    for (const auto& [keys, step] : {std::pair{next_tab_keys, 1}, std::pair{previous_tab_keys, -1}})
        for (const QStringView text : keys) {
            auto* shortcut = new QShortcut(QKeySequence(text.toString(), QKeySequence::PortableText), this);
            connect(shortcut, &QShortcut::activated, this, [step_tabs, step] { step_tabs(step); });
        }
}

void MasterWindow::refresh_view() {
    WindowState& st = ws_.window;
    if (st.view_flags.special_chars) special_->build_special_characters(ws_.db.entities());
    st.gutter_top = -1;
    layout_view();
    bars_->set_checked(u"ID_ShowToolbar", st.view_flags.toolbar);
    bars_->set_checked(u"ID_ShowLineNumbers", st.view_flags.line_numbers);
    bars_->set_checked(u"ID_ViewSpecial", st.view_flags.special_chars);
}

void MasterWindow::refresh_gutter() {
    WindowState& st = ws_.window;
    const int top = edit_->first_visible_line();
    const int caret = edit_->line_of(edit_->selection_start()) + 1;
    if (top == st.gutter_top && caret == st.caret_line) return;
    st.gutter_top = top;
    st.caret_line = caret;
    const Document* doc = ws_.documents.active();
    edit_->show_bookmarks(doc ? doc->bookmarks.lines.data() : nullptr, doc ? doc->bookmarks.count : 0);
}

void MasterWindow::show_status(const QString& text) { statusBar()->showMessage(text, 5000); }

void MasterWindow::refresh_command_states() {
    if (ws_.window.tabs_updating || !session_) return;
    session_->update_command_states();
    bars_->apply(ws_.commands);
    refresh_status();
    warning_->setVisible(ws_.documents.empty());
}

void MasterWindow::show_preview(const QUrl& address) { browse_->show_document(address); }

void MasterWindow::set_input_enabled(bool on) {
    waiting_ = !on;
    centralWidget()->setEnabled(on);
    menuBar()->setEnabled(on);
    bars_->toolbar()->setEnabled(on);
}

void MasterWindow::set_busy(bool on) {
    if (on == busy_) return;
    busy_ = on;
    if (on) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void MasterWindow::let_events_run() { QApplication::processEvents(); }

void MasterWindow::show_about() {
    SplashWidget about(this);
    about.set_close_visible(true);
    about.exec();
}

}  // namespace tamsel
