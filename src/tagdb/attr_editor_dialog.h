#pragma once
// frm_dbATTR: one attribute of a tag: its name, type, choices (shown for the Choice type only) and
// whether the tag requires it. "OK" is pressable only when the record may be accepted; a refusal (a
// duplicate name) keeps the dialog open.
#include "tagdb/db_editing.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tamsel {

class DialogHost;

class AttrEditorDialog : public QDialog {
    Q_OBJECT
public:
    AttrEditorDialog(TagDatabase& db, DialogHost& dialogs, const QString& tag_name, const QString& attribute,
                     QWidget* parent = nullptr);
    // What "OK" does: true when the record was accepted (and the dialog closed).
    bool ok();

private:
    void follow_fields();

    TagDatabase& db_;
    DialogHost& dialogs_;
    AttrEdit edit_;
    QLineEdit* name_;
    QComboBox* type_;
    QLabel* choices_label_;
    QLineEdit* choices_;
    QCheckBox* required_;
    QPushButton* ok_;
};

}  // namespace tamsel
