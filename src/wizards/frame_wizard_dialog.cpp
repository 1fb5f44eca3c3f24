#include "wizards/frame_wizard_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tamsel {
namespace {

constexpr QSize display_size(420, 280);
constexpr int box_gap = 3;
constexpr int sample_count = max_frame_strips * max_frames_per_strip;

QSlider* count_slider(const QString& name, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(1, 8);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setMinimumWidth(120);
    return slider;
}

QLabel* named_label(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

// A label that keeps its place in the layout while hidden, so that the page does not jump.
template <typename W>
W* keeping_place(W* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

}  // namespace

FrameWizardDialog::FrameWizardDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Wizard_Frame"));
    setWindowTitle(QStringLiteral("Frame Wizard"));
    auto* column = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(make_settings_page());
    pages_->addWidget(make_preview_page());
    column->addWidget(pages_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const QString captions[] = {QStringLiteral("<&Back"), QStringLiteral("&Next>"), QStringLiteral("Cancel")};
    QPushButton* made[3] = {};
    for (int i = 0; i < 3; ++i) {
        made[i] = new QPushButton(captions[i], this);
        made[i]->setObjectName(QStringLiteral("Command_%1").arg(i));
        made[i]->setAutoDefault(false);
        buttons->addWidget(made[i]);
    }
    back_ = made[0];
    next_ = made[1];
    next_->setDefault(true);
    connect(back_, &QPushButton::clicked, this, [this] { show_page(page() - 1); });
    connect(next_, &QPushButton::clicked, this, &FrameWizardDialog::forward);
    connect(made[2], &QPushButton::clicked, this, &QDialog::reject);
    column->addLayout(buttons);

    update_texts();
    show_page(1);
    setFixedSize(sizeHint());
}

QWidget* FrameWizardDialog::make_settings_page() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);

    auto* step1 = new QGroupBox(QStringLiteral("Step #1"), page);
    auto* row = new QHBoxLayout(step1);
    row->addWidget(new QLabel(QStringLiteral("Do you want your frames divided into :"), step1));
    rows_ = new QRadioButton(QStringLiteral("&Rows"), step1);
    rows_->setObjectName(QStringLiteral("RowCol_0"));
    auto* columns = new QRadioButton(QStringLiteral("&Columns"), step1);
    columns->setObjectName(QStringLiteral("RowCol_1"));
    auto* choice = new QButtonGroup(step1);
    choice->addButton(rows_);
    choice->addButton(columns);
    rows_->setChecked(true);
    row->addWidget(rows_);
    row->addWidget(new QLabel(QStringLiteral("- or - "), step1));
    row->addWidget(columns);
    row->addStretch(1);
    connect(rows_, &QRadioButton::toggled, this, &FrameWizardDialog::update_texts);
    column->addWidget(step1);

    auto* step2 = new QGroupBox(QStringLiteral("Step #2"), page);
    auto* count_row = new QHBoxLayout(step2);
    how_many_ = named_label(QStringLiteral("Label2"), step2);
    count_ = count_slider(QStringLiteral("Slider1"), step2);
    count_text_ = named_label(QStringLiteral("lbl_count"), step2);
    count_text_->setMinimumWidth(count_text_->fontMetrics().horizontalAdvance(QStringLiteral("8 Columns")) + 8);
    count_row->addWidget(how_many_);
    count_row->addWidget(count_, 1);
    count_row->addWidget(count_text_);
    connect(count_, &QSlider::valueChanged, this, &FrameWizardDialog::update_texts);
    column->addWidget(step2);

    auto* step3 = new QGroupBox(QStringLiteral("Step #3"), page);
    auto* strips = new QGridLayout(step3);
    subdivide_ = named_label(QStringLiteral("Label3"), step3);
    strips->addWidget(subdivide_, 0, 0, 1, 7);
    strips->setColumnMinimumWidth(3, 24);
    // Two columns of four: strips 1 to 4 on the left, 5 to 8 on the right.
    for (int i = 0; i < max_frame_strips; ++i) {
        const int grid_row = 1 + i % 4;
        const int grid_column = i < 4 ? 0 : 4;
        QLabel* label = keeping_place(named_label(QStringLiteral("label3a_%1").arg(i), step3));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("Column 8")) + 4);
        QSlider* slider = keeping_place(count_slider(QStringLiteral("Slider_%1").arg(i), step3));
        QLabel* value = keeping_place(named_label(QStringLiteral("Val_%1").arg(i), step3));
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("88")));
        value->setText(QStringLiteral("1"));
        strips->addWidget(label, grid_row, grid_column);
        strips->addWidget(slider, grid_row, grid_column + 1);
        strips->addWidget(value, grid_row, grid_column + 2);
        connect(slider, &QSlider::valueChanged, this, [this, value](int v) {
            value->setText(QString::number(v));
            redraw_preview();
        });
        strip_labels_ << label;
        strip_sliders_ << slider;
        strip_values_ << value;
    }
    column->addWidget(step3);
    column->addStretch(1);
    return page;
}

QWidget* FrameWizardDialog::make_preview_page() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    auto* step4 = new QGroupBox(QStringLiteral("Step #4"), page);
    auto* inside = new QVBoxLayout(step4);
    display_ = new QWidget(step4);
    display_->setObjectName(QStringLiteral("fDisplay"));
    display_->setFixedSize(display_size);
    display_->setAutoFillBackground(true);
    QPalette dark = display_->palette();
    dark.setColor(QPalette::Window, QColor(96, 96, 96));
    display_->setPalette(dark);
    for (int i = 1; i <= sample_count; ++i) {
        auto* box = new QLabel(QString::number(i), display_);
        box->setObjectName(QStringLiteral("sample_%1").arg(i));
        box->setAlignment(Qt::AlignCenter);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAutoFillBackground(true);
        QPalette light = box->palette();
        light.setColor(QPalette::Window, QColor(250, 250, 240));
        light.setColor(QPalette::WindowText, QColor(40, 40, 40));
        box->setPalette(light);
        box->hide();
        samples_ << box;
    }
    inside->addWidget(display_, 0, Qt::AlignCenter);
    column->addWidget(step4);
    column->addStretch(1);
    return page;
}

FrameLayout FrameWizardDialog::layout_now() const {
    FrameLayout layout;
    layout.split = rows_->isChecked() ? FrameSplit::rows : FrameSplit::columns;
    layout.strips = count_->value();
    for (int i = 0; i < max_frame_strips; ++i) layout.frames[i] = strip_sliders_[i]->value();
    return layout;
}

int FrameWizardDialog::page() const { return pages_->currentIndex() + 1; }

void FrameWizardDialog::show_page(int page) {
    pages_->setCurrentIndex(page - 1);
    back_->setEnabled(page == 2);
    next_->setText(page == 2 ? QStringLiteral("&Finish") : QStringLiteral("&Next>"));
    if (page == 2) redraw_preview();
}

void FrameWizardDialog::forward() {
    if (page() == 1) {
        show_page(2);
        return;
    }
    finished_ = layout_now();
    accept();
}

// Steps #2 and #3 follow the choice of rows or columns and the count N: only the first N strips show.
void FrameWizardDialog::update_texts() {
    const FrameLayout layout = layout_now();
    how_many_->setText(how_many_text(layout.split));
    count_text_->setText(strip_count_text(layout.split, layout.strips));
    subdivide_->setText(subdivide_text(layout.split));
    for (int i = 0; i < max_frame_strips; ++i) {
        const bool shown = i < layout.strips;
        strip_labels_[i]->setText(strip_label(layout.split, i));
        strip_labels_[i]->setVisible(shown);
        strip_sliders_[i]->setVisible(shown);
        strip_values_[i]->setVisible(shown);
    }
    redraw_preview();
}

void FrameWizardDialog::redraw_preview() {
    const QList<QRect> boxes = frame_boxes(layout_now(), display_->size(), box_gap);
    for (int i = 0; i < samples_.size(); ++i) {
        const bool used = i < boxes.size();
        if (used) samples_[i]->setGeometry(boxes[i]);
        samples_[i]->setVisible(used);
    }
}

std::optional<FrameLayout> QtFrameWizardForm::ask() {
    FrameWizardDialog dialog(parent_);
    dialog.exec();
    return dialog.finished();
}

}  // namespace tamsel
