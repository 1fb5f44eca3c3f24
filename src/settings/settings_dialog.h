#pragma once
// frm_Settings: four pages of preferences (start-up, browsers and help compiler, editor, colouring). The
// controls are filled from the configuration when the dialog opens; numbers are kept in their ranges as
// they are typed; "OK" writes every control back. Only the tool search changes the configuration before
// that, as it always has: the paths it finds stay found.
#include "settings/settings_form.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tamsel {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(ConfigTable& config, const SettingsRequest& request, QWidget* parent = nullptr);
    // Writes the controls into the configuration (what "OK" does before it closes).
    void write_back();

private:
    QWidget* startup_page();
    QWidget* browser_page();
    QWidget* editor_page();
    QWidget* syntax_page();
    QLineEdit* number_box(const char* name, int slot);
    void refresh_browser_states();
    void find_browsers();
    void show_colour(int index);

    ConfigTable& config_;
    const SettingsRequest& request_;
    QTabWidget* tabs_;
    std::array<QRadioButton*, 3> start_file_{};
    std::array<QRadioButton*, 3> start_folder_{};
    QLineEdit* folder_name_;
    QListWidget* drive_list_;
    QCheckBox* ruler_h_;
    QCheckBox* ruler_v_;
    QCheckBox* use_autotrack_;
    QLineEdit* autotrack_time_;
    std::array<QCheckBox*, 3> chk_browser_{};
    std::array<QLabel*, 3> browser_path_{};
    std::array<QLabel*, 3> not_installed_{};
    QCheckBox* show_special_char_;
    QCheckBox* show_linenum_;
    QComboBox* font_size_;
    QLineEdit* tab_width_;
    std::array<QCheckBox*, 2> tag_case_{};
    std::array<QCheckBox*, 2> arg_case_{};
    QLineEdit* indent_by_;
    QLineEdit* line_width_;
    QCheckBox* script_break_;
    QCheckBox* use_highlight_;
    std::array<QPushButton*, 6> txt_color_{};
    std::array<std::uint32_t, 6> colours_{};
};

class QtSettingsForm : public SettingsForm {
public:
    explicit QtSettingsForm(QWidget* parent) : parent_(parent) {}
    bool show(ConfigTable& config, const SettingsRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
