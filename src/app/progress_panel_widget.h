#pragma once
// The progress panel in the status bar: two captions (Label1, Label2), each with its bar, shown while a
// long operation runs. It draws what the progress model tells it.
#include "core/progress_model.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace tamsel {

class ProgressPanelWidget : public QWidget, public ProgressListener {
    Q_OBJECT
public:
    explicit ProgressPanelWidget(QWidget* parent = nullptr);

    void progress_opened(int slot, const QString& caption, bool has_bar) override;
    void progress_changed(int slot, int percent) override;
    void progress_closed() override;
    void let_events_run() override;

private:
    QLabel* labels_[2];
    QProgressBar* bars_[2];
};

}  // namespace tamsel
