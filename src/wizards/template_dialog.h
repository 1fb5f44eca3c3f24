#pragma once
// frm_Template, "Load Document Template": the templates by name (List1); the confirm button (Command_0)
// is enabled while an entry is selected, and a double click on an entry confirms too; "Cancel"
// (Command_1) answers with nothing.
#include "wizards/new_document_dialog.h"

class QListWidget;

namespace tamsel {

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(const QList<TemplateEntry>& entries, const QIcon& icon, QWidget* parent = nullptr);
    // The path of the confirmed template; nothing while open, after "Cancel" and when the frame closed it.
    std::optional<QString> chosen() const { return chosen_; }

private:
    void confirm();

    QList<TemplateEntry> entries_;
    QListWidget* list_ = nullptr;
    std::optional<QString> chosen_;
};

class QtTemplateForm : public TemplateForm {
public:
    QtTemplateForm(QWidget* parent, DocumentIcons icons) : parent_(parent), icons_(std::move(icons)) {}
    std::optional<QString> choose(const QList<TemplateEntry>& entries) override;

private:
    QWidget* parent_;
    DocumentIcons icons_;
};

}  // namespace tamsel
