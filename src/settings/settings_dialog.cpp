#include "settings/settings_dialog.h"

#include "platform/control_names.h"
#include "settings/settings_rules.h"
#include "wizards/colour_picker_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tamsel {
namespace {

template <typename Widget>
Widget* named(Widget* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QCheckBox* check(const char* name, const QString& caption, bool on, QWidget* parent) {
    auto* box = named(new QCheckBox(caption, parent), QLatin1String(name));
    box->setChecked(on);
    return box;
}

constexpr std::array<int, 6> colour_slots = {highlight_normal, highlight_tag, highlight_arg,
                                             highlight_val,    highlight_com, highlight_asp};
constexpr std::array<const char*, 6> colour_captions = {"Normal Text",  "HTML Tag Element Names", "HTML Tag Arguments",
                                                        "HTML Tag Argument Values", "Comments", "ASP Text"};
const QString not_available = QStringLiteral("Not Avaliable or not yet installed");

}  // namespace

SettingsDialog::SettingsDialog(ConfigTable& config, const SettingsRequest& request, QWidget* parent)
    : QDialog(parent), config_(config), request_(request) {
    setObjectName(QStringLiteral("frm_Settings"));
    setWindowTitle(QStringLiteral("Settings"));
    tabs_ = named(new QTabWidget(this), QStringLiteral("TabStrip1"));
    tabs_->addTab(startup_page(), QStringLiteral("Startup"));
    tabs_->addTab(browser_page(), QStringLiteral("Web Browsers/HTMLHelp Compiler"));
    tabs_->addTab(editor_page(), QStringLiteral("Editor/Display"));
    tabs_->addTab(syntax_page(), QStringLiteral("Syntax Highlighting"));
    tabs_->setUsesScrollButtons(false);  // all four tabs in sight: the dialog is as wide as they need

    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this), indexed_name("Command", 0));
    auto* ok = named(new QPushButton(QStringLiteral("OK"), this), indexed_name("Command", 1));
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, [this] {
        write_back();
        accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs_);
    column->addLayout(buttons);

    config_.validate_tool_paths();
    refresh_browser_states();
    tabs_->setCurrentIndex(0);
}

QLineEdit* SettingsDialog::number_box(const char* name, int slot) {
    auto* box = named(new QLineEdit(config_.config_text(slot), this), QLatin1String(name));
    box->setMaximumWidth(60);
    const NumberRange* range = range_of(slot);
    // Kept in range as the box is left, without a message.
    connect(box, &QLineEdit::editingFinished, this, [box, range] { box->setText(clamped_number(box->text(), range->low, range->high)); });
    return box;
}

QWidget* SettingsDialog::startup_page() {
    auto* page = named(new QWidget, indexed_name("Frame", 0));
    auto* files = new QGroupBox(QStringLiteral("When Tamsel2001 starts"), page);
    auto* file_column = new QVBoxLayout(files);
    const std::array<const char*, 3> file_captions = {"Start with a BLANK Document", "Start with LAST File opened",
                                                      "Start with NO File opened"};
    const std::array<const char*, 3> folder_captions = {"Start in same folder as last file opened",
                                                        "Start in same folder as application", "Always start in this folder"};
    auto* file_group = new QButtonGroup(page);
    auto* folder_group = new QButtonGroup(page);
    auto* folders = new QGroupBox(QStringLiteral("Folder"), page);
    auto* folder_column = new QVBoxLayout(folders);
    for (int i = 0; i < 3; ++i) {
        start_file_[i] = named(new QRadioButton(QLatin1String(file_captions[i]), files), indexed_name("start_file", i));
        start_file_[i]->setChecked(config_.config_int(startup_mode) == i);
        file_group->addButton(start_file_[i]);
        file_column->addWidget(start_file_[i]);
        start_folder_[i] = named(new QRadioButton(QLatin1String(folder_captions[i]), folders), indexed_name("start_folder", i));
        start_folder_[i]->setChecked(config_.config_int(startup_folder) == i);
        folder_group->addButton(start_folder_[i]);
        folder_column->addWidget(start_folder_[i]);
    }
    folder_name_ = named(new QLineEdit(config_.config_text(startup_path), folders), QStringLiteral("folder_name"));
    folder_column->addWidget(folder_name_);
    drive_list_ = named(new QListWidget(page), QStringLiteral("Drivelist"));
    drive_list_->addItems(request_.drives);
    drive_list_->setMaximumHeight(90);
    auto* column = new QVBoxLayout(page);
    column->addWidget(files);
    column->addWidget(folders);
    column->addWidget(new QLabel(QStringLiteral("Drives searched for the browsers and the help compiler"), page));
    column->addWidget(drive_list_);
    column->addStretch();
    return page;
}

QWidget* SettingsDialog::browser_page() {
    auto* page = named(new QWidget, indexed_name("Frame", 1));
    auto* window = new QGroupBox(QStringLiteral("Tamsel Window"), page);
    const int rulers = config_.config_int(tamsel_rulers);
    ruler_h_ = check("ruler_h", QStringLiteral("Display Horizontal Ruler"), rulers & 1, window);
    ruler_v_ = check("ruler_v", QStringLiteral("Display Vertical Ruler"), rulers & 2, window);
    use_autotrack_ = check("use_autotrack", QStringLiteral("Refresh the split screen as I type"), config_.autotracker_on(), window);
    autotrack_time_ = number_box("autotrack_time", autotracker_time);
    auto* refresh_row = new QHBoxLayout;
    refresh_row->addWidget(new QLabel(QStringLiteral("Refresh every"), window));
    refresh_row->addWidget(autotrack_time_);
    refresh_row->addWidget(new QLabel(QStringLiteral("Seconds"), window));
    refresh_row->addStretch();
    auto* window_column = new QVBoxLayout(window);
    for (QWidget* w : {static_cast<QWidget*>(ruler_h_), static_cast<QWidget*>(ruler_v_), static_cast<QWidget*>(use_autotrack_)})
        window_column->addWidget(w);
    window_column->addLayout(refresh_row);

    auto* tools = new QGroupBox(QStringLiteral("Extrenal Browser(s)"), page);
    auto* grid = new QGridLayout(tools);
    const std::array<const char*, 3> captions = {"Internet Explorer", "Netscape", "HTMLHelp Compiler"};
    const std::array<int, 3> use_slots = {use_ie, use_netscape, 0};
    for (int i = 0; i < 3; ++i) {
        chk_browser_[i] = check("", QLatin1String(captions[i]), use_slots[i] && config_.config_flag(use_slots[i]), tools);
        chk_browser_[i]->setObjectName(indexed_name("chk_browser", i));
        browser_path_[i] = named(new QLabel(tools), indexed_name("browser_path", i));
        not_installed_[i] = named(new QLabel(not_available, tools), indexed_name("not_installed", i));
        not_installed_[i]->setEnabled(false);
        grid->addWidget(chk_browser_[i], i, 0);
        grid->addWidget(browser_path_[i], i, 1);
        grid->addWidget(not_installed_[i], i, 1);  // in the path's place
        connect(chk_browser_[i], &QCheckBox::clicked, this, &SettingsDialog::refresh_browser_states);
    }
    grid->setColumnStretch(1, 1);
    auto* find = named(new QPushButton(QStringLiteral("Find Browser(s)"), tools), QStringLiteral("btn_findbrowser"));
    connect(find, &QPushButton::clicked, this, &SettingsDialog::find_browsers);
    grid->addWidget(find, 3, 0);

    auto* column = new QVBoxLayout(page);
    column->addWidget(window);
    column->addWidget(tools);
    column->addStretch();
    return page;
}

QWidget* SettingsDialog::editor_page() {
    auto* page = named(new QWidget, indexed_name("Frame", 2));
    show_special_char_ = check("show_special_char", QStringLiteral("Show Special Character Toolbar?"), config_.config_flag(show_chars), page);
    show_linenum_ = check("show_linenum", QStringLiteral("Show Line Numbers"), config_.config_flag(show_line_number), page);
    font_size_ = named(new QComboBox(page), QStringLiteral("font_size"));
    for (const QStringView size : font_sizes) font_size_->addItem(size.toString());
    font_size_->setCurrentIndex(font_size_index(config_.config_int(font_size)));
    font_size_->setMaximumWidth(80);
    tab_width_ = number_box("tab_width", tab_width);
    auto* top = new QFormLayout;
    top->addRow(show_special_char_);
    top->addRow(show_linenum_);
    top->addRow(QStringLiteral("Font Size"), font_size_);
    top->addRow(QStringLiteral("Tab Width"), tab_width_);

    auto* formatting = new QGroupBox(QStringLiteral("HTML Code Formatting Options"), page);
    const auto pair = [this, formatting](std::array<QCheckBox*, 2>& boxes, const char* name, int slot,
                                         const std::array<const char*, 2>& captions) {
        const CasePair value = case_pair_of(config_.config_int(slot));
        for (int i = 0; i < 2; ++i) {
            boxes[i] = check("", QLatin1String(captions[i]), i == 0 ? value.upper : value.lower, formatting);
            boxes[i]->setObjectName(indexed_name(name, i));
            connect(boxes[i], &QCheckBox::clicked, this, [&boxes, i](bool checked) {
                const CasePair now = case_pair_clicked({boxes[0]->isChecked(), boxes[1]->isChecked()}, i, checked);
                boxes[0]->setChecked(now.upper);
                boxes[1]->setChecked(now.lower);
            });
        }
    };
    pair(tag_case_, "tag_case", tag_case, {"UPPER Case Tag Elements", "Lower Case Tag Elements"});
    pair(arg_case_, "arg_case", arg_case, {"UPPER Case Tag Arguments?", "LowerCase Tag Arguments?"});
    indent_by_ = number_box("indent_by", level_indent);
    line_width_ = number_box("line_width", right_margin);
    script_break_ = check("script_break", QStringLiteral("Break after Script Functions?"), config_.config_flag(script_break), formatting);
    auto* form = new QFormLayout(formatting);
    for (QCheckBox* box : {tag_case_[0], tag_case_[1], arg_case_[0], arg_case_[1]}) form->addRow(box);
    form->addRow(QStringLiteral("Indent each level by"), indent_by_);
    form->addRow(QStringLiteral("Maximum Line Width"), line_width_);
    form->addRow(script_break_);

    auto* column = new QVBoxLayout(page);
    column->addLayout(top);
    column->addWidget(formatting);
    column->addStretch();
    return page;
}

QWidget* SettingsDialog::syntax_page() {
    auto* page = named(new QWidget, indexed_name("Frame", 3));
    use_highlight_ = check("use_highlight", QStringLiteral("Automatically turn on at Startup"), config_.config_flag(highlight_mode), page);
    auto* colours = new QGroupBox(QStringLiteral("Colors"), page);
    auto* form = new QFormLayout(colours);
    for (int i = 0; i < 6; ++i) {
        colours_[i] = static_cast<std::uint32_t>(config_.config_long(colour_slots[i])) & 0xFFFFFF;
        txt_color_[i] = named(new QPushButton(colours), indexed_name("txt_color", i));
        txt_color_[i]->setFixedSize(60, 22);
        show_colour(i);
        connect(txt_color_[i], &QPushButton::clicked, this, [this, i] {
            if (!request_.picker) return;
            if (const auto picked = request_.picker->pick_color(colours_[i])) {
                colours_[i] = *picked;
                show_colour(i);
            }
        });
        form->addRow(QLatin1String(colour_captions[i]), txt_color_[i]);
    }
    auto* column = new QVBoxLayout(page);
    column->addWidget(use_highlight_);
    column->addWidget(colours);
    column->addStretch();
    return page;
}

void SettingsDialog::show_colour(int index) {
    txt_color_[index]->setStyleSheet(QStringLiteral("background-color: %1;").arg(rgb_text(colours_[index])));
    txt_color_[index]->setToolTip(rgb_text(colours_[index]));
}

// A program that was not found cannot be switched on; the help compiler is on exactly when found.
void SettingsDialog::refresh_browser_states() {
    const std::array<int, 3> path_slots = {ie_path, netscape_path, htmlhelp_path};
    for (int i = 0; i < 3; ++i) {
        const QString path = config_.config_text(path_slots[i]);
        browser_path_[i]->setText(path);
        if (path.isEmpty()) chk_browser_[i]->setChecked(false);
        else if (i == 2) chk_browser_[i]->setChecked(true);
        chk_browser_[i]->setEnabled(!path.isEmpty());
        not_installed_[i]->setVisible(path.isEmpty());
        browser_path_[i]->setVisible(!path.isEmpty());
    }
    if (config_.config_text(ie_path).isEmpty()) config_.set_value(use_ie, QStringLiteral("0"));
    if (config_.config_text(netscape_path).isEmpty()) config_.set_value(use_netscape, QStringLiteral("0"));
}

void SettingsDialog::find_browsers() {
    if (!request_.find_tools) return;
    setCursor(Qt::WaitCursor);
    request_.find_tools(request_.drives, config_);
    unsetCursor();
    refresh_browser_states();
}

void SettingsDialog::write_back() {
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const auto chosen = [](const std::array<QRadioButton*, 3>& options, const QString& kept) {
        for (int i = 0; i < 3; ++i)
            if (options[i]->isChecked()) return QString::number(i);
        return kept;
    };
    config_.set_value(startup_mode, chosen(start_file_, config_.config_text(startup_mode)));
    config_.set_value(startup_folder, chosen(start_folder_, config_.config_text(startup_folder)));
    config_.set_value(startup_path, folder_name_->text());
    config_.set_value(use_ie, flag(chk_browser_[0]->isChecked()));
    config_.set_value(use_netscape, flag(chk_browser_[1]->isChecked()));
    config_.set_value(autotracker, flag(use_autotrack_->isChecked()));
    config_.set_value(tamsel_rulers, QString::number(int(ruler_h_->isChecked()) + 2 * int(ruler_v_->isChecked())));
    config_.set_value(font_size, font_size_->currentText());
    config_.set_value(show_line_number, flag(show_linenum_->isChecked()));
    config_.set_value(show_chars, flag(show_special_char_->isChecked()));
    config_.set_value(script_break, flag(script_break_->isChecked()));
    config_.set_value(tag_case, QString::number(case_value_of({tag_case_[0]->isChecked(), tag_case_[1]->isChecked()})));
    config_.set_value(arg_case, QString::number(case_value_of({arg_case_[0]->isChecked(), arg_case_[1]->isChecked()})));
    config_.set_value(highlight_mode, flag(use_highlight_->isChecked()));
    const std::array<std::pair<int, QLineEdit*>, 4> numbers = {
        {{autotracker_time, autotrack_time_}, {tab_width, tab_width_}, {level_indent, indent_by_}, {right_margin, line_width_}}};
    for (const auto& [slot, box] : numbers) {
        const NumberRange* range = range_of(slot);
        config_.set_value(slot, clamped_number(box->text(), range->low, range->high));
    }
    for (int i = 0; i < 6; ++i) config_.set_value(colour_slots[i], QString::number(colours_[i]));
}

bool QtSettingsForm::show(ConfigTable& config, const SettingsRequest& request) {
    SettingsDialog dialog(config, request, parent_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tamsel
