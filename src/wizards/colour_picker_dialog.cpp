#include "wizards/colour_picker_dialog.h"

#include "platform/control_names.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tamsel {
namespace {

constexpr int box_size = 12;
constexpr int block_gap = 6;

QString css_colour(PickedColour c) { return rgb_text(c); }

// A scroll bar for channel (0 blue, 1 green, 2 red) with its "000" label.
QScrollBar* channel_bar(int channel, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(indexed_name("color_scroll", channel));
    bar->setRange(0, 255);
    bar->setMinimumWidth(256);
    return bar;
}

}  // namespace

ColourPickerDialog::ColourPickerDialog(PickedColour start, const QList<ColorRecord>& named, QWidget* parent)
    : QDialog(parent) {
    for (const ColorRecord& r : named)
        if (!r.name.isEmpty()) named_.append(r);  // the table's unused first slot has no name
    setObjectName(QStringLiteral("Wizard_Color"));
    setWindowTitle(QStringLiteral("Color Wizard"));
    scrolls_quiet_ = list_quiet_ = true;  // the opening sets everything itself

    auto* names_box = new QGroupBox(QStringLiteral("Named Colors"), this);
    color_list_ = new QListWidget(names_box);
    color_list_->setObjectName(QStringLiteral("color_list"));
    for (const ColorRecord& r : named_) color_list_->addItem(r.name);
    (new QVBoxLayout(names_box))->addWidget(color_list_);
    connect(color_list_, &QListWidget::currentRowChanged, this, &ColourPickerDialog::list_clicked);

    auto* hex_box = new QGroupBox(QStringLiteral("Hex Colors"), this);
    auto* hex_grid = new QGridLayout(hex_box);
    const std::array<const char*, 3> channel_names = {"Blue", "Green", "Red"};
    for (int channel = 0; channel < 3; ++channel) {
        color_scroll_[channel] = channel_bar(channel, hex_box);
        hexval_[channel] = new QLabel(QStringLiteral("000"), hex_box);
        hexval_[channel]->setObjectName(indexed_name("hexval", channel));
        const int row = 2 - channel;  // red at the top
        hex_grid->addWidget(new QLabel(QLatin1String(channel_names[channel]), hex_box), row, 0);
        hex_grid->addWidget(color_scroll_[channel], row, 1);
        hex_grid->addWidget(hexval_[channel], row, 2);
        connect(color_scroll_[channel], &QScrollBar::valueChanged, this, &ColourPickerDialog::scroll_changed);
    }

    auto* sample_box = new QGroupBox(QStringLiteral("Sample"), this);
    sample_ = new QLabel(sample_box);
    sample_->setObjectName(QStringLiteral("sample"));
    sample_->setMinimumSize(96, 48);
    sample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sample_hex_ = new QLabel(sample_box);
    sample_hex_->setObjectName(QStringLiteral("sample_hex"));
    sample_hex_->setAlignment(Qt::AlignCenter);
    auto* sample_column = new QVBoxLayout(sample_box);
    sample_column->addWidget(sample_);
    sample_column->addWidget(sample_hex_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(indexed_name("Command", 0));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(indexed_name("Command", 1));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(hex_box);
    right->addWidget(build_palette());
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sample_box);
    bottom->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    bottom->addLayout(buttons);
    right->addLayout(bottom);
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(names_box);
    columns->addLayout(right);

    set_colour(start);
    scroll_bars_from_colour();
    named_colour_from_colour();
    scrolls_quiet_ = list_quiet_ = false;
}

// Six blocks side by side, one per blue level; rows by red, columns by green.
QWidget* ColourPickerDialog::build_palette() {
    auto* box = new QGroupBox(QStringLiteral("Safe Colors"), this);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(0);
    int n = 0;
    for (const SafeBox& b : safe_palette()) {
        auto* button = new QPushButton(box);
        button->setObjectName(indexed_name("safe_color", n++));
        button->setFixedSize(box_size, box_size);
        button->setFlat(true);
        button->setToolTip(rgb_text(b.colour));
        button->setStyleSheet(QStringLiteral("background-color: %1; border: none;").arg(css_colour(b.colour)));
        const PickedColour colour = b.colour;
        connect(button, &QPushButton::clicked, this, [this, colour] { palette_clicked(colour); });
        grid->addWidget(button, b.row, b.block * 7 + b.column);
    }
    for (int gap = 1; gap < 6; ++gap) grid->setColumnMinimumWidth(gap * 7 - 1, block_gap);
    return box;
}

void ColourPickerDialog::set_colour(PickedColour c) {
    colour_ = c & 0xFFFFFF;
    sample_hex_->setText(sample_hex(colour_));
    sample_->setStyleSheet(QStringLiteral("background-color: %1;").arg(css_colour(colour_)));
}

void ColourPickerDialog::scroll_bars_from_colour() {
    const Channels ch = channels_of(colour_);
    const std::array<int, 3> values = {ch.blue, ch.green, ch.red};
    for (int i = 0; i < 3; ++i) {
        color_scroll_[i]->setValue(values[i]);
        hexval_[i]->setText(QStringLiteral("%1").arg(values[i], 3, 10, QLatin1Char('0')));
    }
}

void ColourPickerDialog::named_colour_from_colour() {
    color_list_->setCurrentRow(named_colour_index(named_, colour_));
}

void ColourPickerDialog::list_clicked(int row) {
    if (list_quiet_ || row < 0 || row >= named_.size()) return;
    scrolls_quiet_ = true;
    set_colour(display_colour(named_[row].value, {}));
    scroll_bars_from_colour();
    scrolls_quiet_ = false;
}

void ColourPickerDialog::scroll_changed() {
    if (scrolls_quiet_) return;
    list_quiet_ = true;
    set_colour(colour_of({color_scroll_[0]->value(), color_scroll_[1]->value(), color_scroll_[2]->value()}));
    for (int i = 0; i < 3; ++i) hexval_[i]->setText(QStringLiteral("%1").arg(color_scroll_[i]->value(), 3, 10, QLatin1Char('0')));
    named_colour_from_colour();
    list_quiet_ = false;
}

void ColourPickerDialog::palette_clicked(PickedColour c) {
    scrolls_quiet_ = list_quiet_ = true;
    set_colour(c);
    scroll_bars_from_colour();
    named_colour_from_colour();
    scrolls_quiet_ = list_quiet_ = false;
}

std::optional<PickedColour> QtColourPickerForm::pick_color(PickedColour start) {
    ColourPickerDialog dialog(start, named_, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.colour();
}

}  // namespace tamsel
