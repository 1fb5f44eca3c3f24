#pragma once
// frm_error: the error list window. It shows what the request holds (caption, the two counts, the list
// with its columns and icons) and answers with the button pressed; it decides nothing itself.
#include "analyze/error_list_form.h"

#include <QDialog>

namespace tamsel {

class ErrorListDialog : public QDialog {
    Q_OBJECT
public:
    explicit ErrorListDialog(const ErrorListRequest& request, QWidget* parent = nullptr);
    // The button that closed the window; Cancel while it is open and when the frame closed it.
    ErrorListAnswer answer() const { return answer_; }

private:
    ErrorListAnswer answer_ = ErrorListAnswer::Cancel;
};

// The error list form of the window: the dialog, modal over parent.
class QtErrorListForm : public ErrorListForm {
public:
    explicit QtErrorListForm(QWidget* parent) : parent_(parent) {}
    ErrorListAnswer show(const ErrorListRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
