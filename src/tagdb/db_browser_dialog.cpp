#include "tagdb/db_browser_dialog.h"

#include "inspector/common_grid_widget.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "tagdb/attr_editor_dialog.h"
#include "tagdb/db_editing.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"
#include "tagdb/tag_editor_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tamsel {
namespace {

enum Button : int { edit_button, add_button, delete_button, exit_button, find_button, print_button };

// The tag editor of the window, with the attribute editor over it.
void open_tag_editor(TagDatabase& db, DialogHost& dialogs, const QString& tag_name, bool reduced, QWidget* parent, bool* accepted = nullptr) {
    TagEditorDialog editor(db, dialogs, tag_name, reduced, [&db, &dialogs, parent](const QString& tag, const QString& attribute) {
        AttrEditorDialog attributes(db, dialogs, tag, attribute, parent);
        attributes.exec();
    }, parent);
    const bool ok = editor.exec() == QDialog::Accepted;
    if (accepted) *accepted = ok;
}

}  // namespace

DatabaseBrowserDialog::DatabaseBrowserDialog(TagDatabase& db, const DbEditorContext& context, TagEditor edit_tag, QWidget* parent)
    : QDialog(parent), db_(db), context_(context), edit_tag_(std::move(edit_tag)) {
    setObjectName(QStringLiteral("frm_dbHTML"));
    setWindowTitle(app_title + QStringLiteral(" HTML Tag Database"));
    grid_ = new QTableWidget(0, 2, this);
    grid_->setObjectName(QStringLiteral("TagGrid"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    common_ = std::make_unique<CommonGrid>(*grid_);
    const std::array<const char*, 6> captions = {"Edit", "Add New", "Delete", "Exit", "Find Tag", "Print"};
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        buttons_[i] = new QPushButton(QLatin1String(captions[i]), this);
        buttons_[i]->setObjectName(QStringLiteral("button_%1").arg(i));
        buttons_[i]->setAutoDefault(false);
        row->addWidget(buttons_[i]);
    }
    connect(buttons_[edit_button], &QPushButton::clicked, this, [this] { edit(false); });
    connect(buttons_[add_button], &QPushButton::clicked, this, [this] { edit(true); });
    connect(buttons_[delete_button], &QPushButton::clicked, this, &DatabaseBrowserDialog::delete_tag_row);
    connect(buttons_[exit_button], &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons_[find_button], &QPushButton::clicked, this, &DatabaseBrowserDialog::find_tag);
    connect(buttons_[print_button], &QPushButton::clicked, this, [this] {
        if (context_.print) context_.print();
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { edit(false); });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int, int, int previous, int) {
        if (common_->grid_busy) return;
        common_->grid_leave_row(previous);
        const int entered = common_->grid_enter_row();
        const bool tag_row = entered >= 0 && !common_->is_header(entered);
        buttons_[edit_button]->setEnabled(tag_row);
        buttons_[delete_button]->setEnabled(tag_row);
    });
    auto* column = new QVBoxLayout(this);
    column->addWidget(grid_);
    column->addLayout(row);
    resize(640, 560);
    fill_grid();
}

DatabaseBrowserDialog::~DatabaseBrowserDialog() = default;

// A header row per category, its tags under it in table order.
void DatabaseBrowserDialog::fill_grid() {
    const GridBusy busy(*common_);
    grid_->clearContents();
    grid_->clearSpans();
    grid_->setRowCount(0);
    GridRowLook header;
    header.bold = true;
    header.background = palette().button().color();
    header.header = true;
    int row = 0;
    qsizetype longest_name = 1;
    for (std::size_t p = 1; p < category_names.size(); ++p) {
        const QString title = category_names[p].name.trimmed().toString();
        common_->grid_add_row(row, title, title, header);
        for (int i = 1; i <= db_.tag_count(); ++i) {
            const TagRecord& tag = db_.tags()[i];
            if (tag.category != category_names[p].code || tag.key == deleted_marker) continue;
            common_->grid_add_row(row, tag.name, tag.description, {});
            longest_name = CommonGrid::grid_max(int(longest_name), int(tag.name.size()));
        }
    }
    grid_->setColumnWidth(0, fontMetrics().horizontalAdvance(QLatin1Char('M')) * int(std::min<qsizetype>(longest_name + 2, 24)));
    grid_->setCurrentCell(-1, -1);
    buttons_[edit_button]->setEnabled(false);
    buttons_[delete_button]->setEnabled(false);
}

void DatabaseBrowserDialog::refresh() {
    if (db_.attrs_need_sort) db_.sort_attrs();
    if (db_.tags_need_sort) db_.sort_tags();
    fill_grid();
}

QString DatabaseBrowserDialog::current_tag() const {
    const int row = grid_->currentRow();
    return row >= 0 && !common_->is_header(row) ? common_->grid_cell_text(row, 0) : QString();
}

void DatabaseBrowserDialog::edit(bool add) {
    const QString name = add ? QString() : current_tag();
    if (!add && name.isEmpty()) return;
    db_.db_changed = true;
    if (edit_tag_) edit_tag_(name);
    else open_tag_editor(db_, context_.dialogs, name, false, this);
    refresh();
}

void DatabaseBrowserDialog::delete_tag_row() {
    const QString key = current_tag().toUpper();
    if (key.isEmpty()) return;
    const Answer answer = context_.dialogs.message_box(
        {QStringLiteral("Are you sure you\r\nwant to delete the HTML Tag \r\n'%1'?").arg(key), app_title, Buttons::OkCancel, Icon::Question});
    if (answer == Answer::Ok) tamsel::delete_tag(db_, key);
    refresh();
}

void DatabaseBrowserDialog::find_tag() {
    const QString wanted = context_.dialogs.prompt_input(QStringLiteral("Tag to Find"), QStringLiteral("Search for Tag")).trimmed().toUpper();
    if (wanted.isEmpty()) return;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        if (common_->is_header(row) || common_->grid_cell_text(row, 0).toUpper() != wanted) continue;
        grid_->setCurrentCell(row, 0);
        grid_->scrollToItem(grid_->item(row, 0), QAbstractItemView::PositionAtTop);
        return;
    }
    context_.dialogs.beep();
}

void QtDatabaseEditorForm::browse(TagDatabase& db, const DbEditorContext& context, QString& current_tag) {
    DatabaseBrowserDialog browser(db, context, {}, parent_);
    browser.exec();
    current_tag = browser.current_tag();
}

bool QtDatabaseEditorForm::edit_css_tag(TagDatabase& db, const DbEditorContext& context, const QString& tag_name) {
    bool accepted = false;
    open_tag_editor(db, context.dialogs, tag_name, true, parent_, &accepted);
    return accepted;
}

}  // namespace tamsel
