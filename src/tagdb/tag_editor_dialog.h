#pragma once
// frm_dbTAG (and the reduced frm_dbCSS): one tag record with its line-break and indent flags, its
// required parents and its attributes and events. "OK" saves into the tables when the rules accept it;
// a refusal (a duplicate name) keeps the dialog open.
#include "tagdb/db_editing.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tamsel {

class CommonGrid;
class DialogHost;

class TagEditorDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the attribute editor on an attribute of the tag (an empty name for a new one).
    using AttributeEditor = std::function<void(const QString& tag_name, const QString& attribute)>;

    TagEditorDialog(TagDatabase& db, DialogHost& dialogs, const QString& tag_name, bool reduced,
                    AttributeEditor edit_attribute, QWidget* parent = nullptr);
    ~TagEditorDialog() override;
    // What "OK" does: true when the record was accepted (and the dialog closed).
    bool ok();

private:
    QWidget* flags_box();
    QWidget* parents_box();
    QWidget* attributes_box();
    void fill_attributes();
    void add_parent();
    void edit_attribute(bool add);
    void delete_attribute();
    // What the controls hold, as a record.
    TagRecord fields() const;

    TagDatabase& db_;
    DialogHost& dialogs_;
    TagEdit edit_;
    bool reduced_;
    AttributeEditor attribute_editor_;
    QLineEdit* name_;
    QLineEdit* description_;
    QComboBox* category_;
    QComboBox* closing_;
    std::array<QCheckBox*, 4> breaks_{};
    QCheckBox* indent_;
    QCheckBox* wizard_ = nullptr;
    QListWidget* parents_ = nullptr;
    QTableWidget* attr_grid_;
    std::unique_ptr<CommonGrid> grid_;
    std::array<QPushButton*, 3> attr_buttons_{};
    QPushButton* ok_;
};

}  // namespace tamsel
