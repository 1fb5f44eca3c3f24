#pragma once
// frm_Find: "Fi&nd What:" (with the texts searched for so far), "Replace with:" in replace mode, the
// whole-word, match-case and regular-expression options, and the buttons Find, Replace, Replace All and
// Cancel. It works on the editor while it is open; the texts and options stay for its next showing.
#include "find/find_form.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tamsel {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(FindMode mode, EditorBuffer& editor, DialogHost& dialogs, FindState& state, QWidget* parent = nullptr);
    bool replaced() const { return replaced_; }

private:
    void store();
    void find();
    void replace();
    void replace_all();

    EditorBuffer& editor_;
    DialogHost& dialogs_;
    FindState& state_;
    QComboBox* search_;
    QLineEdit* replacement_;
    QCheckBox* whole_word_;
    QCheckBox* match_case_;
    QCheckBox* regex_;
    std::array<QPushButton*, 4> buttons_{};
    qsizetype found_ = -1;
    bool first_replace_ = true;
    bool replaced_ = false;
};

class QtFindForm : public FindForm {
public:
    explicit QtFindForm(QWidget* parent) : parent_(parent) {}
    bool show(FindMode mode, EditorBuffer& editor, DialogHost& dialogs, FindState& state) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
