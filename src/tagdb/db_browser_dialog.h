#pragma once
// frm_dbHTML: every tag under its category, with Edit, Add New, Delete, Exit, Find Tag and Print. The
// tag editor opens over it; the tables change in memory and the command saves them once it is closed.
#include "tagdb/db_editor_forms.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QPushButton;
class QTableWidget;

namespace tamsel {

class CommonGrid;

class DatabaseBrowserDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the tag editor on a tag (an empty name for a new one).
    using TagEditor = std::function<void(const QString& tag_name)>;

    DatabaseBrowserDialog(TagDatabase& db, const DbEditorContext& context, TagEditor edit_tag, QWidget* parent = nullptr);
    ~DatabaseBrowserDialog() override;
    // The name of the tag row the grid stands on; empty on a header or nowhere.
    QString current_tag() const;

private:
    void fill_grid();
    void refresh();
    void edit(bool add);
    void delete_tag_row();
    void find_tag();

    TagDatabase& db_;
    const DbEditorContext& context_;
    TagEditor edit_tag_;
    QTableWidget* grid_;
    std::unique_ptr<CommonGrid> common_;
    std::array<QPushButton*, 6> buttons_{};
};

class QtDatabaseEditorForm : public DatabaseEditorForm {
public:
    explicit QtDatabaseEditorForm(QWidget* parent) : parent_(parent) {}
    void browse(TagDatabase& db, const DbEditorContext& context, QString& current_tag) override;
    bool edit_css_tag(TagDatabase& db, const DbEditorContext& context, const QString& tag_name) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
