#include "find/find_dialog.h"

#include "platform/app_info.h"
#include "platform/dialog_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tamsel {

FindDialog::FindDialog(FindMode mode, EditorBuffer& editor, DialogHost& dialogs, FindState& state, QWidget* parent)
    : QDialog(parent), editor_(editor), dialogs_(dialogs), state_(state) {
    setObjectName(QStringLiteral("frm_Find"));
    setWindowTitle(QStringLiteral("Find"));
    // A selection is what the user wants to find.
    if (editor_.selection_length() > 0) state_.search = editor_.selected_text();

    search_ = new QComboBox(this);
    search_->setObjectName(QStringLiteral("Text_0"));
    search_->setEditable(true);
    search_->setInsertPolicy(QComboBox::NoInsert);
    search_->addItems(state_.history);
    search_->setEditText(state_.search);
    replacement_ = new QLineEdit(state_.replacement, this);
    replacement_->setObjectName(QStringLiteral("Text_1"));
    whole_word_ = new QCheckBox(QStringLiteral("Find Whole Word Only"), this);
    whole_word_->setObjectName(QStringLiteral("chk_wholeword"));
    whole_word_->setChecked(state_.options.whole_word);
    match_case_ = new QCheckBox(QStringLiteral("Match Case"), this);
    match_case_->setObjectName(QStringLiteral("chk_matchcase"));
    match_case_->setChecked(state_.options.match_case);
    regex_ = new QCheckBox(QStringLiteral("Regular expression"), this);
    regex_->setObjectName(QStringLiteral("chk_regex"));
    regex_->setChecked(state_.options.regex);

    const std::array<const char*, 4> captions = {"&Find", "Replace", "Replace All", "Cancel"};
    auto* buttons = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QPushButton(QLatin1String(captions[i]), this);
        buttons_[i]->setObjectName(QStringLiteral("button_%1").arg(i));
        buttons_[i]->setAutoDefault(false);
        buttons->addWidget(buttons_[i]);
    }
    buttons_[0]->setDefault(true);
    buttons->addStretch();
    connect(buttons_[0], &QPushButton::clicked, this, &FindDialog::find);
    connect(buttons_[1], &QPushButton::clicked, this, &FindDialog::replace);
    connect(buttons_[2], &QPushButton::clicked, this, &FindDialog::replace_all);
    connect(buttons_[3], &QPushButton::clicked, this, &QDialog::reject);
    // The three actions need something to search for.
    const auto follow = [this](const QString& text) {
        for (int i = 0; i < 3; ++i) buttons_[i]->setEnabled(!text.isEmpty());
    };
    connect(search_, &QComboBox::editTextChanged, this, follow);
    follow(search_->currentText());

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Fi&nd What:"), search_);
    form->addRow(QStringLiteral("Replace with:"), replacement_);
    form->addRow(whole_word_);
    form->addRow(match_case_);
    form->addRow(regex_);
    const bool replacing = mode == FindMode::replace;
    form->setRowVisible(replacement_, replacing);
    buttons_[1]->setVisible(replacing);
    buttons_[2]->setVisible(replacing);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(form, 1);
    columns->addLayout(buttons);
    resize(480, sizeHint().height());
    search_->setFocus();
    search_->lineEdit()->selectAll();
}

void FindDialog::store() {
    state_.search = search_->currentText();
    state_.replacement = replacement_->text();
    state_.options = {whole_word_->isChecked(), match_case_->isChecked(), regex_->isChecked()};
    if (!state_.search.isEmpty()) state_.remember(state_.search);
}

void FindDialog::find() {
    store();
    found_ = find_next_told(editor_, dialogs_, state_, true);
}

// The first press finds; each press then puts the replacement in and finds the next.
void FindDialog::replace() {
    store();
    if (first_replace_) {
        first_replace_ = false;
        found_ = find_next_told(editor_, dialogs_, state_, true);
        return;
    }
    if (found_ < 0) return;
    editor_.replace_selection(state_.replacement);
    replaced_ = true;
    editor_.set_selection(found_ + state_.replacement.size(), 0);
    found_ = find_next_told(editor_, dialogs_, state_, true);
}

void FindDialog::replace_all() {
    store();
    QString error;
    // Half a million replacements in a large page take a second or two.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const qsizetype count = tamsel::replace_all(editor_, state_.search, state_.replacement, state_.options, &error);
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        dialogs_.beep();
        dialogs_.message_box({QStringLiteral("The regular expression cannot be used: ") + error, app_title, Buttons::Ok, Icon::None});
        return;
    }
    if (count == 0) {
        dialogs_.beep();
        dialogs_.message_box({QStringLiteral("'%1' not found.").arg(state_.search), app_title, Buttons::Ok, Icon::None});
        return;
    }
    replaced_ = true;
    state_.replaced_all = count;
    accept();
}

bool QtFindForm::show(FindMode mode, EditorBuffer& editor, DialogHost& dialogs, FindState& state) {
    FindDialog dialog(mode, editor, dialogs, state, parent_);
    dialog.exec();
    return dialog.replaced();
}

}  // namespace tamsel
