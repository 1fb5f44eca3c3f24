#pragma once
// frm_Master: the main window. It only shows and asks; the state and the logic live in the workspace.
#include <QMainWindow>

class QLabel;
class QTimer;

namespace tamsel {

class Workspace;

struct MasterOptions {
    int splash_ms = 2000;  // how long the splash stays at least, measured as elapsed time
};

class MasterWindow : public QMainWindow {
    Q_OBJECT
public:
    MasterWindow(Workspace& ws, MasterOptions options = {}, QWidget* parent = nullptr);
    ~MasterWindow() override;

    // The start-up steps: splash, recent list, database, caption, configuration, view settings.
    void load();
    // Runs the preview-tracking check (the timer and Enter call it).
    void tracking_check();
    // Escape: sets stop_request and beeps.
    void request_stop();

Q_SIGNALS:
    void preview_refresh_requested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void unload();
    void refresh_warning();

    Workspace& ws_;
    MasterOptions options_;
    QLabel* warning_;
    QTimer* timer_;
    bool fatal_checked_ = false;
    bool unloaded_ = false;
};

}  // namespace tamsel
