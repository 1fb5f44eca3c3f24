#include "app/master_window.h"

#include "app/splash_widget.h"
#include "app/workspace.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QShortcut>
#include <QThread>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
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
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    warning_ = new QLabel(warning_text, centre);
    warning_->setObjectName(QStringLiteral("warning"));
    warning_->setAlignment(Qt::AlignCenter);
    warning_->setWordWrap(true);
    layout->addWidget(warning_);
    setCentralWidget(centre);
    statusBar();
    resize(900, 650);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(tracking_interval_ms);
    connect(timer_, &QTimer::timeout, this, &MasterWindow::tracking_check);

    // Escape anywhere in the window asks a running pass (the colouring) to stop.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escape"));
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &MasterWindow::request_stop);
}

MasterWindow::~MasterWindow() { unload(); }

void MasterWindow::request_stop() {
    ws_.window.stop_request = true;
    ws_.dialogs.beep();
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
    st.view_flags = ViewFlags{};
    ws_.db.load_database(ws_.paths.user_data, ws_.dialogs);
    setWindowTitle(versioned_caption());
    st.tabs_updating = false;
    ws_.config.load_config(ws_.store, ws_.paths.user_data);
    apply_view_settings(ws_.config, st, ws_.commands);
    st.highlight_on = ws_.config.config_flag(highlight_mode);
    refresh_warning();

    // The splash stays up for its time even when loading was instant; events keep the window alive meanwhile.
    while (shown.elapsed() < options_.splash_ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    splash.set_close_visible(true);
    splash.close();
    QDir::setCurrent(ws_.paths.user_data);
    timer_->start();
    if (isVisible() && ws_.db.db_fatal) QTimer::singleShot(0, this, &QWidget::close);
}

void MasterWindow::tracking_check() {
    if (preview_tracking_check(ws_.window, ws_.config)) Q_EMIT preview_refresh_requested();
}

void MasterWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A missing data file ends the program at the window's first activation, after the loader's message.
    if (!fatal_checked_) {
        fatal_checked_ = true;
        if (ws_.db.db_fatal) QTimer::singleShot(0, this, &QWidget::close);
    }
}

void MasterWindow::closeEvent(QCloseEvent* event) {
    // Documents are closed one by one here once the document set exists; a Cancel keeps the window open.
    unload();
    event->accept();
}

void MasterWindow::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    timer_->stop();
    delete_analysis_scratch(ws_.paths);
    ws_.recent.save_recent(ws_.store);
}

void MasterWindow::refresh_warning() { warning_->setVisible(ws_.window.doc_count == 0); }

}  // namespace tamsel
