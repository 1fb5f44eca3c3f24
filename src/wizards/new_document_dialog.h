#pragma once
// frm_NewDoc, "Create New Document": a button for each kind of document (SSActiveToolBars1, the buttons
// named by their tool ids) and "Cancel" (Command1). A click answers with the kind and closes the form.
#include "wizards/new_document_form.h"

#include <QDialog>
#include <QIcon>
#include <functional>

namespace tamsel {

// The picture of a document type; the window gives its own, a test none.
using DocumentIcons = std::function<QIcon(int document_type)>;

class NewDocumentDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewDocumentDialog(const DocumentIcons& icons, QWidget* parent = nullptr);
    // The tool id clicked; empty while open, after "Cancel" and when the frame closed it.
    QString chosen() const { return chosen_; }

private:
    QString chosen_;
};

class QtNewDocumentForm : public NewDocumentForm {
public:
    QtNewDocumentForm(QWidget* parent, DocumentIcons icons) : parent_(parent), icons_(std::move(icons)) {}
    QString choose() override;

private:
    QWidget* parent_;
    DocumentIcons icons_;
};

}  // namespace tamsel
