#pragma once
// Wizard_Frame: a frameset laid out in two pages. The first asks rows or columns (Step #1), how many
// (Step #2, Slider1) and into how many frames each is divided (Step #3, Slider_0..7 with their labels
// label3a_i and values Val_i; only the first N show); the second previews the layout (Step #4, the boxes
// sample_1.. in fDisplay). "<&Back" and "&Next>"/"&Finish" move between them, "Cancel" closes it.
#include "wizards/frame_wizard_form.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;

namespace tamsel {

class FrameWizardDialog : public QDialog {
    Q_OBJECT
public:
    explicit FrameWizardDialog(QWidget* parent = nullptr);
    // The layout as set now.
    FrameLayout layout_now() const;
    // The layout when the user finished; nothing otherwise.
    std::optional<FrameLayout> finished() const { return finished_; }
    int page() const;  // 1 or 2

private:
    QWidget* make_settings_page();
    QWidget* make_preview_page();
    void show_page(int page);
    void update_texts();
    void redraw_preview();
    void forward();

    QStackedWidget* pages_ = nullptr;
    QRadioButton* rows_ = nullptr;
    QLabel* how_many_ = nullptr;
    QSlider* count_ = nullptr;
    QLabel* count_text_ = nullptr;
    QLabel* subdivide_ = nullptr;
    QList<QLabel*> strip_labels_;
    QList<QSlider*> strip_sliders_;
    QList<QLabel*> strip_values_;
    QWidget* display_ = nullptr;
    QList<QLabel*> samples_;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    std::optional<FrameLayout> finished_;
};

// The frame wizard of the window: the dialog, modal over parent.
class QtFrameWizardForm : public FrameWizardForm {
public:
    explicit QtFrameWizardForm(QWidget* parent) : parent_(parent) {}
    std::optional<FrameLayout> ask() override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
