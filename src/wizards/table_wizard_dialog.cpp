#include "wizards/table_wizard_dialog.h"

#include "core/document_kinds.h"
#include "platform/dialog_host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tamsel {
namespace {

constexpr int csv_filter_index = 6;  // "Comma Delimited Files"

constexpr std::array<QStringView, 3> style_labels = {u"Top Row Style ID", u"1st Column Style ID", u"Text Cell Style ID"};
constexpr std::array<QStringView, 3> numeric_labels = {u"Numeric Cells (<0)", u"Numeric Cells (=0)", u"Numeric Cells (>0)"};
constexpr std::array<QStringView, 3> format_labels = {u"Cellpadding", u"CellSpacing", u"Border"};

// How a field filters what goes into it.
enum class FieldKind { Digits, StyleId };

QString indexed(const char* stem, int index) { return QLatin1String(stem) + QLatin1Char('_') + QString::number(index); }

FieldKind kind_of(const QObject* field) { return static_cast<FieldKind>(field->property("field_kind").toInt()); }

bool is_digit(QChar c) { return c >= u'0' && c <= u'9'; }

// Whether a field of kind refuses the typed text.
bool refuses(FieldKind kind, const QString& typed) {
    if (kind == FieldKind::StyleId) return typed.contains(u' ');
    return !std::all_of(typed.begin(), typed.end(), is_digit);
}

// Keeps what a field may hold of text that came in other than by a key (pasted or dropped): digits only,
// or a style ID without spaces in upper case.
void tidy(QLineEdit* field) {
    const bool digits = kind_of(field) == FieldKind::Digits;
    const QString text = field->text();
    const int cursor = field->cursorPosition();
    QString kept;
    int kept_cursor = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (digits ? !is_digit(c) : c == u' ') continue;
        kept += digits ? c : c.toUpper();
        if (i < cursor) kept_cursor = static_cast<int>(kept.size());
    }
    if (kept == text) return;
    field->setText(kept);
    field->setCursorPosition(kept_cursor);
}

}  // namespace

TableWizardDialog::TableWizardDialog(TableMode mode, const TableFields& fields, TableConfirm confirm, DialogHost& dialogs,
                                     QWidget* parent)
    : QDialog(parent), mode_(mode), confirm_(std::move(confirm)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Wizard_Table"));
    setWindowTitle(mode == TableMode::Csv ? QStringLiteral("Import CSV data to HTML Table") : QStringLiteral("Table Wizard"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(mode == TableMode::Csv ? data_file_box() : size_box());
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(style_box());
    boxes->addWidget(table_box());
    column->addLayout(boxes);
    column->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Command_1"));
    ok->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command_0"));
    connect(ok, &QPushButton::clicked, this, &TableWizardDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(buttons);

    show_fields(fields);
    // Wider for a long file name, never taller than its controls need.
    setMinimumSize(sizeHint());
    setMaximumHeight(sizeHint().height());
}

QWidget* TableWizardDialog::data_file_box() {
    auto* box = new QGroupBox(QStringLiteral("Data"), this);
    auto* row = new QHBoxLayout(box);
    auto* label = new QLabel(QStringLiteral("&Datafile"), box);
    filename_ = new QLineEdit(box);
    filename_->setObjectName(QStringLiteral("filename"));
    filename_->setMinimumWidth(320);
    label->setBuddy(filename_);
    auto* browse = new QPushButton(QStringLiteral("Browse"), box);
    browse->setObjectName(QStringLiteral("Command_2"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TableWizardDialog::browse);
    row->addWidget(label);
    row->addWidget(filename_, 1);
    row->addWidget(browse);
    return box;
}

QWidget* TableWizardDialog::size_box() {
    auto* box = new QGroupBox(QStringLiteral("Size"), this);
    auto* row = new QHBoxLayout(box);
    const std::array<QString, 2> labels = {QStringLiteral("&Rows"), QStringLiteral("Co&lumns")};
    for (int i = 0; i < 2; ++i) {
        row_col_[i] = number_field(indexed("RowCol", i), 3, box);
        auto* label = new QLabel(labels[i], box);
        label->setBuddy(row_col_[i]);
        row->addWidget(label);
        row->addWidget(row_col_[i]);
        row->addSpacing(16);
    }
    row->addStretch(1);
    return box;
}

QWidget* TableWizardDialog::style_box() {
    auto* box = new QGroupBox(QStringLiteral("Style IDs"), this);
    auto* form = new QFormLayout(box);
    for (int i = 0; i < 3; ++i) {
        styles_[i] = style_field(indexed("style", i), box);
        form->addRow(style_labels[i].toString(), styles_[i]);
    }
    // Numeric cells are known only in data; an empty table has none.
    if (mode_ == TableMode::Csv) {
        for (int i = 0; i < 3; ++i) {
            numeric_styles_[i] = style_field(indexed("num_style", i), box);
            form->addRow(numeric_labels[i].toString(), numeric_styles_[i]);
        }
    }
    center_top_ = new QCheckBox(QStringLiteral("Center &Top Row?"), box);
    center_top_->setObjectName(QStringLiteral("center_top"));
    form->addRow(center_top_);
    return box;
}

QWidget* TableWizardDialog::table_box() {
    auto* box = new QGroupBox(QStringLiteral("Table"), this);
    auto* form = new QFormLayout(box);
    for (int i = 0; i < 3; ++i) {
        table_format_[i] = number_field(indexed("tb_fmt", i), 4, box);
        form->addRow(format_labels[i].toString(), table_format_[i]);
    }
    width_choice_[0] = new QRadioButton(QStringLiteral("&Fit to Data"), box);
    width_choice_[1] = new QRadioButton(QStringLiteral("&Set to"), box);
    width_ = number_field(QStringLiteral("tb_wide_size"), 6, box);
    unit_ = new QComboBox(box);
    unit_->setObjectName(QStringLiteral("cb_unit"));
    unit_->addItems({QStringLiteral("Pixels"), QStringLiteral("Percent")});
    auto* set_to = new QHBoxLayout;
    set_to->addWidget(width_choice_[1]);
    set_to->addWidget(width_);
    set_to->addWidget(unit_);
    set_to->addStretch(1);
    for (int i = 0; i < 2; ++i) width_choice_[i]->setObjectName(indexed("tb_wide", i));
    // Only data has a size to fit to.
    if (mode_ == TableMode::Csv) form->addRow(QStringLiteral("Width"), width_choice_[0]);
    else width_choice_[0]->hide();
    form->addRow(mode_ == TableMode::Csv ? QString() : QStringLiteral("Width"), set_to);
    connect(width_choice_[1], &QRadioButton::toggled, this, [this](bool on) {
        width_->setEnabled(on);
        unit_->setEnabled(on);
    });
    return box;
}

QLineEdit* TableWizardDialog::number_field(const QString& name, int max_length, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setProperty("field_kind", static_cast<int>(FieldKind::Digits));
    field->setMaxLength(max_length);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(max_length + 2, u'0')) + 12);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [field] { tidy(field); });
    return field;
}

QLineEdit* TableWizardDialog::style_field(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setProperty("field_kind", static_cast<int>(FieldKind::StyleId));
    field->setMinimumWidth(140);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [field] { tidy(field); });
    return field;
}

void TableWizardDialog::show_fields(const TableFields& f) {
    if (filename_) filename_->setText(f.filename);
    if (mode_ == TableMode::Basic) {
        row_col_[0]->setText(f.rows);
        row_col_[1]->setText(f.columns);
    }
    for (int i = 0; i < 3; ++i) {
        styles_[i]->setText(f.styles[i]);
        if (numeric_styles_[i]) numeric_styles_[i]->setText(f.numeric_styles[i]);
        table_format_[i]->setText(f.table_format[i]);
    }
    center_top_->setChecked(f.center_top);
    width_choice_[f.set_width ? 1 : 0]->setChecked(true);
    width_->setEnabled(f.set_width);
    unit_->setEnabled(f.set_width);
    width_->setText(f.width);
    unit_->setCurrentIndex(static_cast<int>(f.unit));
}

TableFields TableWizardDialog::fields() const {
    TableFields f;
    if (filename_) f.filename = filename_->text();
    if (mode_ == TableMode::Basic) {
        f.rows = row_col_[0]->text();
        f.columns = row_col_[1]->text();
    }
    for (int i = 0; i < 3; ++i) {
        f.styles[i] = styles_[i]->text();
        if (numeric_styles_[i]) f.numeric_styles[i] = numeric_styles_[i]->text();
        // As the field reads when it loses focus, which Enter on OK does not make it do.
        f.table_format[i] = QString::number(whole_number(table_format_[i]->text()));
    }
    f.center_top = center_top_->isChecked();
    f.set_width = width_choice_[1]->isChecked();
    f.width = width_->text();
    f.unit = unit_->currentIndex() == 0 ? WidthUnit::Pixels : WidthUnit::Percent;
    return f;
}

bool TableWizardDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        // Moves, deletions, Enter, Escape and shortcuts carry no printable text or come with a modifier.
        const bool control = typed.isEmpty() || !typed.front().isPrint() ||
                             (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (!control && refuses(kind_of(field), typed)) {
            dialogs_.beep();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && field->objectName().startsWith(QLatin1String("tb_fmt"))) {
        // Padding, spacing and border always hold a number: empty is 0, "007" is 7.
        field->setText(QString::number(whole_number(field->text())));
    }
    return QDialog::eventFilter(watched, event);
}

void TableWizardDialog::browse() {
    FileRequest request = file_request(FileDialogMode::Open, csv_filter_index, QString());
    request.title = QStringLiteral("Datafile");
    if (!filename_->text().isEmpty()) request.directory = QFileInfo(filename_->text()).absolutePath();
    if (const std::optional<QString> chosen = dialogs_.file_dialog(request)) filename_->setText(*chosen);
}

void TableWizardDialog::confirm() {
    if (confirm_(fields())) accept();
}

std::optional<TableFields> QtTableWizardForm::show(TableMode mode, const TableFields& fields, const TableConfirm& confirm) {
    std::optional<TableFields> confirmed;
    TableWizardDialog dialog(mode, fields, [&](const TableFields& f) {
        if (!confirm(f)) return false;
        confirmed = f;
        return true;
    }, dialogs_, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return confirmed;
}

}  // namespace tamsel
