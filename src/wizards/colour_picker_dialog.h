#pragma once
// Wizard_Color: a colour chosen from the named colours of the tag database, by three channel scroll bars,
// or from the 216 web-safe colours; the sample shows it with its digits in blue-green-red order. The three
// ways follow each other; two guards keep them from feeding back into one another.
#include "wizards/colour_picker_form.h"

#include <QDialog>
#include <array>

class QLabel;
class QListWidget;
class QScrollBar;

namespace tamsel {

class ColourPickerDialog : public QDialog {
    Q_OBJECT
public:
    ColourPickerDialog(PickedColour start, const QList<ColorRecord>& named, QWidget* parent = nullptr);
    PickedColour colour() const { return colour_; }

private:
    QWidget* build_palette();
    void set_colour(PickedColour c);
    void scroll_bars_from_colour();
    void named_colour_from_colour();
    void list_clicked(int row);
    void scroll_changed();
    void palette_clicked(PickedColour c);

    QList<ColorRecord> named_;
    PickedColour colour_ = 0;
    QListWidget* color_list_;
    std::array<QScrollBar*, 3> color_scroll_{};
    std::array<QLabel*, 3> hexval_{};
    QLabel* sample_;
    QLabel* sample_hex_;
    bool scrolls_quiet_ = false;  // a list or palette click is moving the scroll bars
    bool list_quiet_ = false;     // a scroll bar or palette click is choosing the list entry
};

class QtColourPickerForm : public ColourPickerForm {
public:
    QtColourPickerForm(QWidget* parent, const QList<ColorRecord>& named) : parent_(parent), named_(named) {}
    std::optional<PickedColour> pick_color(PickedColour start) override;

private:
    QWidget* parent_;
    const QList<ColorRecord>& named_;
};

}  // namespace tamsel
