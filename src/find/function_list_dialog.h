#pragma once
// The function list window: List1 holds the names; a click (or Enter) on one picks it and closes the window.
#include "find/function_list_form.h"

#include <QDialog>

class QListWidget;

namespace tamsel {

class FunctionListDialog : public QDialog {
    Q_OBJECT
public:
    explicit FunctionListDialog(const QStringList& names, QWidget* parent = nullptr);
    const std::optional<QString>& chosen() const { return chosen_; }

private:
    QListWidget* list_;
    std::optional<QString> chosen_;
};

class QtFunctionListForm : public FunctionListForm {
public:
    explicit QtFunctionListForm(QWidget* parent) : parent_(parent) {}
    std::optional<QString> choose(const QStringList& names) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
