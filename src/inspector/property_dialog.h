#pragma once
// frm_Property: the attributes and events of one tag in a two-column grid (prop_grid), the value of the
// current row edited by its attribute's type (TextEntry, ComboList, or color_sample, which opens the
// colour picker). "Update" answers with the tag rebuilt from the grid; "Cancel" with nothing.
#include "inspector/common_grid_widget.h"
#include "inspector/property_form.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tamsel {

class PropertyDialog : public QDialog {
    Q_OBJECT
public:
    explicit PropertyDialog(const PropertyRequest& request, QWidget* parent = nullptr);
    // The tag as the grid gives it now.
    QString rebuilt();

private:
    void fill_grid();
    void enter_row(int row, int previous);
    void show_editor(int row);
    void commit();
    void write_value(int row, const QString& value);
    void pick_colour();

    const PropertyRequest& request_;
    QList<PropertyRow> rows_;
    QTableWidget* grid_;
    QLineEdit* text_entry_;
    QComboBox* combo_list_;
    QLabel* color_msg_;
    QPushButton* color_sample_;
    int current_ = -1;     // the row whose value the editor shows
    int mode_ = 0;         // 1 text box, 2 choice list, 3 colour sample; 0 no editor
    std::unique_ptr<CommonGrid> common_;
};

class QtPropertyForm : public PropertyForm {
public:
    explicit QtPropertyForm(QWidget* parent) : parent_(parent) {}
    std::optional<QString> show(const PropertyRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
