#include "tagdb/tag_editor_dialog.h"

#include "inspector/common_grid_widget.h"
#include "platform/app_info.h"
#include "platform/control_names.h"
#include "platform/dialog_host.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tamsel {
namespace {

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TagEditorDialog::TagEditorDialog(TagDatabase& db, DialogHost& dialogs, const QString& tag_name, bool reduced,
                                 AttributeEditor edit_attribute, QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(dialogs), edit_(open_tag_edit(db, tag_name)), reduced_(reduced),
      attribute_editor_(std::move(edit_attribute)) {
    setObjectName(reduced ? QStringLiteral("frm_dbCSS") : QStringLiteral("frm_dbTAG"));
    setWindowTitle(app_title + QStringLiteral(" Tag Editor"));
    const TagRecord& f = edit_.copy;
    name_ = new QLineEdit(f.name, this);
    name_->setObjectName(QStringLiteral("tag_name"));
    description_ = new QLineEdit(f.description, this);
    description_->setObjectName(QStringLiteral("descrip"));
    category_ = new QComboBox(this);
    category_->setObjectName(QStringLiteral("cb_class"));
    for (std::size_t p = 1; p < category_names.size(); ++p) category_->addItem(category_names[p].name.toString());
    category_->setCurrentIndex(std::max(0, category_position(f.category) - 1));
    closing_ = new QComboBox(this);
    closing_->setObjectName(QStringLiteral("cb_closeTag"));
    closing_->addItems({QStringLiteral("None"), QStringLiteral("Required"), QStringLiteral("Optional")});
    closing_->setCurrentIndex(std::min<int>(f.closing_tag, 2));

    ok_ = button(QStringLiteral("OK"), QStringLiteral("Command_0"), this);
    ok_->setDefault(true);
    ok_->setEnabled(!f.name.trimmed().isEmpty());
    auto* cancel = button(QStringLiteral("Cancel"), QStringLiteral("Command_1"), this);
    auto* help = button(QStringLiteral("Help"), QStringLiteral("Command_2"), this);
    help->setEnabled(false);  // has no action, as it never had
    connect(ok_, &QPushButton::clicked, this, &TagEditorDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) { ok_->setEnabled(!text.trimmed().isEmpty()); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Tag Name"), name_);
    form->addRow(QStringLiteral("Description"), description_);
    form->addRow(QStringLiteral("Category"), category_);
    form->addRow(QStringLiteral("Closing Tag"), closing_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(flags_box());
    if (!reduced_) middle->addWidget(parents_box());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok_, cancel, help}) buttons->addWidget(b);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(middle);
    column->addWidget(attributes_box(), 1);
    column->addLayout(buttons);
    resize(580, 680);
    fill_attributes();
    name_->setFocus();
}

TagEditorDialog::~TagEditorDialog() = default;

QWidget* TagEditorDialog::flags_box() {
    auto* box = new QGroupBox(QStringLiteral("Line Breaks"), this);
    const std::array<std::pair<const char*, const char*>, 4> names = {{{"chk_b4_open", "BEFORE Opening Tag"},
                                                                      {"chk_aft_open", "AFTER Opening Tag"},
                                                                      {"chk_b4_close", "BEFORE Closing Tag"},
                                                                      {"chk_aft_close", "AFTER Closing Tag"}}};
    const std::array<bool, 4> on = {edit_.copy.break_before_open, edit_.copy.break_after_open, edit_.copy.break_before_close,
                                    edit_.copy.break_after_close};
    auto* column = new QVBoxLayout(box);
    // A style sheet and a script keep their own line breaks: their boxes are not offered.
    const bool fixed = edit_.copy.key == u"STYLE" || edit_.copy.key == u"SCRIPT";
    for (int i = 0; i < 4; ++i) {
        breaks_[i] = new QCheckBox(QLatin1String(names[i].second), box);
        breaks_[i]->setObjectName(QLatin1String(names[i].first));
        breaks_[i]->setChecked(on[i]);
        breaks_[i]->setEnabled(!fixed);
        column->addWidget(breaks_[i]);
    }
    indent_ = new QCheckBox(QStringLiteral("Indent?"), box);
    indent_->setObjectName(QStringLiteral("chk_indent"));
    indent_->setChecked(edit_.copy.indent);
    column->addWidget(indent_);
    if (!reduced_) {
        wizard_ = new QCheckBox(QStringLiteral("Use Wizard?"), box);
        wizard_->setObjectName(QStringLiteral("chk_wizard"));
        wizard_->setChecked(edit_.copy.use_wizard);
        column->addWidget(wizard_);
    }
    return box;
}

QWidget* TagEditorDialog::parents_box() {
    auto* box = new QGroupBox(QStringLiteral("Required Parent Tags"), this);
    parents_ = new QListWidget(box);
    parents_->setObjectName(QStringLiteral("parent_list"));
    parents_->addItems(edit_.copy.parents.split(QLatin1Char(','), Qt::SkipEmptyParts));
    parents_->setMaximumHeight(110);
    auto* add = button(QStringLiteral("Add New"), indexed_name("Parent_btn", 1), box);
    auto* remove = button(QStringLiteral("Delete"), indexed_name("Parent_btn", 2), box);
    remove->setEnabled(false);
    connect(parents_, &QListWidget::currentRowChanged, remove, [remove](int row) { remove->setEnabled(row >= 0); });
    connect(add, &QPushButton::clicked, this, &TagEditorDialog::add_parent);
    connect(remove, &QPushButton::clicked, this, [this] { delete parents_->takeItem(parents_->currentRow()); });
    auto* row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(remove);
    auto* column = new QVBoxLayout(box);
    column->addWidget(parents_);
    column->addLayout(row);
    return box;
}

QWidget* TagEditorDialog::attributes_box() {
    auto* box = new QGroupBox(QStringLiteral("Tag Attributes"), this);
    attr_grid_ = new QTableWidget(0, 2, box);
    attr_grid_->setObjectName(QStringLiteral("attrGrid"));
    attr_grid_->horizontalHeader()->hide();
    attr_grid_->verticalHeader()->hide();
    attr_grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    attr_grid_->setColumnWidth(1, 16);
    attr_grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_ = std::make_unique<CommonGrid>(*attr_grid_);
    const std::array<const char*, 3> captions = {"Edit", "Add New", "Delete"};
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        attr_buttons_[i] = button(QLatin1String(captions[i]), indexed_name("attr_btn", i), box);
        row->addWidget(attr_buttons_[i]);
    }
    attr_buttons_[0]->setEnabled(false);
    attr_buttons_[2]->setEnabled(false);
    connect(attr_buttons_[0], &QPushButton::clicked, this, [this] { edit_attribute(false); });
    connect(attr_buttons_[1], &QPushButton::clicked, this, [this] { edit_attribute(true); });
    connect(attr_buttons_[2], &QPushButton::clicked, this, &TagEditorDialog::delete_attribute);
    connect(attr_grid_, &QTableWidget::cellDoubleClicked, this, [this] { edit_attribute(false); });
    connect(attr_grid_, &QTableWidget::currentCellChanged, this, [this](int, int, int previous, int) {
        if (grid_->grid_busy) return;
        grid_->grid_leave_row(previous);
        const int row = grid_->grid_enter_row();
        const bool attribute = row >= 0 && !grid_->is_header(row);
        attr_buttons_[0]->setEnabled(attribute);
        attr_buttons_[2]->setEnabled(attribute);
    });
    auto* column = new QVBoxLayout(box);
    column->addWidget(attr_grid_);
    column->addLayout(row);
    return box;
}

// A header, the attributes that are not events, a header, the events; all in table order.
void TagEditorDialog::fill_attributes() {
    const GridBusy busy(*grid_);
    attr_grid_->clearContents();
    attr_grid_->clearSpans();
    attr_grid_->setRowCount(0);
    const QList<AttrRecord> records = db_.attribute_records_of(edit_.copy.key);
    GridRowLook header;
    header.bold = true;
    header.background = palette().button().color();
    header.header = true;
    int row = 0;
    for (const bool events : {false, true}) {
        const QString title = events ? QStringLiteral("Events") : QStringLiteral("Tag Attributes");
        grid_->grid_add_row(row, title, title, header);
        for (const AttrRecord& a : records)
            if ((a.type == type_event) == events) grid_->grid_add_row(row, a.name, QStringLiteral("*"), {});
    }
    attr_grid_->setCurrentCell(-1, -1);
    attr_buttons_[0]->setEnabled(false);
    attr_buttons_[2]->setEnabled(false);
}

void TagEditorDialog::add_parent() {
    const QString answer = dialogs_.prompt_input(QStringLiteral("New Parent Tag"), QStringLiteral("Tag")).trimmed();
    if (answer.isEmpty()) return;
    QString upper;
    if (const QString refusal = parent_refusal(db_, answer, &upper); !refusal.isEmpty()) {
        dialogs_.beep();
        dialogs_.message_box({refusal, app_title, Buttons::Ok, Icon::None});
        return;
    }
    parents_->addItem(upper);
}

void TagEditorDialog::edit_attribute(bool add) {
    const int row = attr_grid_->currentRow();
    if (!add && (row < 0 || grid_->is_header(row))) return;
    db_.db_changed = true;
    if (attribute_editor_) attribute_editor_(edit_.copy.name, add ? QString() : grid_->grid_cell_text(row, 0));
    if (db_.attrs_need_sort) db_.sort_attrs();
    fill_attributes();
}

void TagEditorDialog::delete_attribute() {
    const int row = attr_grid_->currentRow();
    if (row < 0 || grid_->is_header(row)) return;
    const QString attribute = grid_->grid_cell_text(row, 0).toUpper();
    const QString tag = edit_.copy.name.toUpper();
    const Answer answer = dialogs_.message_box({QStringLiteral("Are you sure you want to delete \r\nthe '%1 attribute of '%2'?").arg(attribute, tag),
                                                app_title, Buttons::YesNo, Icon::Question});
    if (answer == Answer::Yes && tamsel::delete_attribute(db_, edit_.copy.key, attribute)) db_.sort_attrs();
    fill_attributes();
}

TagRecord TagEditorDialog::fields() const {
    TagRecord f = edit_.copy;
    f.name = name_->text().trimmed();
    f.description = description_->text();
    f.category = static_cast<std::uint8_t>(category_code(category_->currentIndex() + 1));
    f.closing_tag = static_cast<std::uint8_t>(closing_->currentIndex());
    f.break_before_open = breaks_[0]->isChecked();
    f.break_after_open = breaks_[1]->isChecked();
    f.break_before_close = breaks_[2]->isChecked();
    f.break_after_close = breaks_[3]->isChecked();
    f.indent = indent_->isChecked();
    if (wizard_) f.use_wizard = wizard_->isChecked();
    if (parents_) {
        QStringList parents;
        for (int i = 0; i < parents_->count(); ++i) parents << parents_->item(i)->text();
        f.parents = parents.join(QLatin1Char(','));
    }
    return f;
}

bool TagEditorDialog::ok() {
    const QString refusal = save_tag(db_, edit_, fields(), reduced_);
    if (!refusal.isEmpty()) {
        dialogs_.message_box({refusal, app_title, Buttons::Ok, Icon::Information});
        return false;
    }
    accept();
    return true;
}

}  // namespace tamsel
