#include "inspector/property_dialog.h"

#include "tagdb/fixed_tables.h"
#include "wizards/colour_picker_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tamsel {
namespace {

constexpr int name_width = 140;
enum EditorMode : int { no_editor = 0, text_mode = 1, choice_mode = 2, colour_mode = 3 };


}  // namespace

PropertyDialog::PropertyDialog(const PropertyRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), rows_(request.rows) {
    setObjectName(QStringLiteral("frm_Property"));
    setWindowTitle(QStringLiteral("Properties of the '%1' tag").arg(request.key));
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("prop_grid"));
    grid_->setColumnCount(2);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setColumnWidth(0, name_width);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    common_ = std::make_unique<CommonGrid>(*grid_);

    text_entry_ = new QLineEdit(this);
    text_entry_->setObjectName(QStringLiteral("TextEntry"));
    connect(text_entry_, &QLineEdit::editingFinished, this, &PropertyDialog::commit);
    // Enter moves on to the next row, as Tab would.
    connect(text_entry_, &QLineEdit::returnPressed, this, [this] {
        if (current_ + 1 < rows_.size()) grid_->setCurrentCell(current_ + 1, 0);
    });
    combo_list_ = new QComboBox(this);
    combo_list_->setObjectName(QStringLiteral("ComboList"));
    connect(combo_list_, &QComboBox::activated, this, &PropertyDialog::commit);
    color_msg_ = new QLabel(QStringLiteral("Click Color Sample =>"), this);
    color_msg_->setObjectName(QStringLiteral("color_msg"));
    color_sample_ = new QPushButton(this);
    color_sample_->setObjectName(QStringLiteral("color_sample"));
    color_sample_->setFixedSize(48, 22);
    connect(color_sample_, &QPushButton::clicked, this, &PropertyDialog::pick_colour);
    auto* editors = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(text_entry_), static_cast<QWidget*>(combo_list_),
                       static_cast<QWidget*>(color_msg_), static_cast<QWidget*>(color_sample_)}) {
        editors->addWidget(w, w == text_entry_ || w == combo_list_ ? 1 : 0);
        w->hide();
    }

    auto* update = new QPushButton(QStringLiteral("Update"), this);
    update->setObjectName(QStringLiteral("cmd_0"));
    update->setDefault(false);
    update->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmd_1"));
    cancel->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, [this] {
        commit();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(update);
    buttons->addWidget(cancel);

    auto* column = new QVBoxLayout(this);
    column->addWidget(grid_, 1);
    column->addLayout(editors);
    column->addLayout(buttons);
    resize(460, 420);

    fill_grid();
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) { enter_row(row, previous); });
    grid_->setCurrentCell(rows_.size() > 1 ? 1 : 0, 0);
}

void PropertyDialog::fill_grid() {
    GridRowLook header;
    header.bold = true;
    header.background = palette().button().color();
    header.header = true;
    int counter = 0;
    for (const PropertyRow& row : rows_) common_->grid_add_row(counter, row.name, row.value, row.is_header() ? header : GridRowLook{});
}

// The grid steps off header rows; the editor then shows the row it landed on.
void PropertyDialog::enter_row(int row, int previous) {
    if (common_->grid_busy || row < 0) return;
    if (previous >= 0 && previous == current_) {
        commit();
        common_->grid_leave_row(previous);
    }
    show_editor(common_->grid_enter_row());
}

void PropertyDialog::show_editor(int row) {
    current_ = row;
    for (QWidget* w : {static_cast<QWidget*>(text_entry_), static_cast<QWidget*>(combo_list_),
                       static_cast<QWidget*>(color_msg_), static_cast<QWidget*>(color_sample_)})
        w->hide();
    mode_ = no_editor;
    if (row < 0 || rows_[row].is_header()) return;
    const AttrRecord& a = request_.attributes[rows_[row].attribute];
    const QString value = editable_value(rows_[row].value);
    if (a.type == type_choice) {
        mode_ = choice_mode;
        combo_list_->clear();
        combo_list_->addItems(choice_items(a.choices));
        combo_list_->setCurrentIndex(combo_list_->findText(value, Qt::MatchFixedString));
        combo_list_->show();
    } else if (a.type == type_color) {
        mode_ = colour_mode;
        color_sample_->setStyleSheet(
            QStringLiteral("background-color: %1;").arg(rgb_text(display_colour(value, request_.named_colours))));
        color_msg_->show();
        color_sample_->show();
    } else {
        mode_ = text_mode;
        text_entry_->setText(value);
        text_entry_->show();
        text_entry_->setFocus();
        text_entry_->end(false);
    }
}

void PropertyDialog::commit() {
    if (current_ < 0 || rows_[current_].is_header()) return;
    if (mode_ == text_mode) write_value(current_, text_entry_->text());
    // With no item chosen the value stays as it was.
    else if (mode_ == choice_mode && combo_list_->currentIndex() >= 0) write_value(current_, combo_list_->currentText());
}

void PropertyDialog::write_value(int row, const QString& value) {
    // A value the user did not touch keeps its quotes as written.
    if (value == editable_value(rows_[row].value)) return;
    const GridBusy busy(*common_);
    rows_[row].value = value;
    grid_->item(row, 1)->setText(value);
}

void PropertyDialog::pick_colour() {
    if (current_ < 0 || !request_.picker) return;
    const PickedColour start = display_colour(editable_value(rows_[current_].value), request_.named_colours);
    const std::optional<PickedColour> picked = request_.picker->pick_color(start);
    if (!picked) return;
    write_value(current_, rgb_text(*picked));
    color_sample_->setStyleSheet(QStringLiteral("background-color: %1;").arg(rgb_text(*picked)));
}

QString PropertyDialog::rebuilt() {
    commit();
    return request_.rebuilt(rows_);
}

std::optional<QString> QtPropertyForm::show(const PropertyRequest& request) {
    PropertyDialog dialog(request, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.rebuilt();
}

}  // namespace tamsel
