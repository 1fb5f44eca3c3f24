#include "app/progress_panel_widget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace tamsel {

ProgressPanelWidget::ProgressPanelWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("progress_panel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        bars_[i] = new QProgressBar(this);
        bars_[i]->setRange(0, 100);
        bars_[i]->setFixedWidth(160);
        row->addWidget(labels_[i]);
        row->addWidget(bars_[i]);
        labels_[i]->hide();
        bars_[i]->hide();
    }
    hide();
}

void ProgressPanelWidget::progress_opened(int slot, const QString& caption, bool has_bar) {
    labels_[slot]->setText(caption);
    labels_[slot]->show();
    bars_[slot]->setValue(0);
    bars_[slot]->setVisible(has_bar);
    show();
}

void ProgressPanelWidget::progress_changed(int slot, int percent) { bars_[slot]->setValue(percent); }

void ProgressPanelWidget::progress_closed() {
    for (int i = 0; i < 2; ++i) {
        labels_[i]->hide();
        bars_[i]->hide();
    }
    hide();
}

void ProgressPanelWidget::let_events_run() { QApplication::processEvents(); }

}  // namespace tamsel
