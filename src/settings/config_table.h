#pragma once
// The user's preferences: 28 named slots, each holding its value as text, read through typed readers.
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace tamsel {

class SettingsStore;

// Slot numbers, as every reader names them.
enum ConfigSlot : int {
    startup_mode = 1, startup_folder, startup_path, use_ie, ie_path, use_netscape, netscape_path,
    autotracker, autotracker_time, tamsel_rulers, show_line_number, right_margin, tab_width, font_size,
    level_indent, script_break, tag_case, arg_case, highlight_mode, highlight_normal, highlight_tag,
    highlight_arg, highlight_val, highlight_com, highlight_asp, show_chars, htmlhelp_path,
    journal_delay,
};

constexpr int config_slot_count = 28;

struct ConfigDefault {
    int slot;
    QStringView key;
    QStringView value;  // "startup_path" takes the program directory instead
};

inline constexpr std::array<ConfigDefault, config_slot_count> config_defaults = {{
    {startup_mode,     u"startup_mode",     u"0"},
    {startup_folder,   u"startup_folder",   u"1"},
    {startup_path,     u"startup_path",     u""},
    {use_ie,           u"use_ie",           u"0"},
    {ie_path,          u"ie_path",          u""},
    {use_netscape,     u"use_netscape",     u"0"},
    {netscape_path,    u"netscape_path",    u""},
    {autotracker,      u"autotracker",      u"0"},
    {autotracker_time, u"autotracker_time", u"10"},
    {tamsel_rulers,    u"tamsel_rulers",    u"3"},
    {show_line_number, u"show_line_number", u"1"},
    {right_margin,     u"right_margin",     u"80"},
    {tab_width,        u"tab_width",        u"3"},
    {font_size,        u"font_size",        u"10"},
    {level_indent,     u"level_indent",     u"3"},
    {script_break,     u"script_break",     u"1"},
    {tag_case,         u"tag_case",         u"0"},
    {arg_case,         u"arg_case",         u"0"},
    {highlight_mode,   u"highlight_mode",   u"1"},
    {highlight_normal, u"highlight_normal", u"0"},
    {highlight_tag,    u"highlight_tag",    u"16711935"},
    {highlight_arg,    u"highlight_arg",    u"255"},
    {highlight_val,    u"highlight_val",    u"16711680"},
    {highlight_com,    u"highlight_com",    u"32512"},
    {highlight_asp,    u"highlight_asp",    u"16776960"},
    {show_chars,       u"show_chars",       u"0"},
    {htmlhelp_path,    u"htmlhelp_path",    u""},
    // Seconds after the last change before a changed document goes to the crash journal.
    {journal_delay,    u"journal_delay",    u"30"},
}};

// The leading number of a text: blanks, a sign, digits, a fraction and an exponent; 0 when there is none.
double leading_number(const QString& text);

class ConfigTable {
public:
    ConfigTable();

    // Defaults (startup_path = program_dir), then the store's "config_" keys, then validate_tool_paths.
    void load_config(const SettingsStore& store, const QString& program_dir);
    void save_config(SettingsStore& store) const;
    // Clears tool paths that name no existing file, and the "use_" flag that goes with a browser.
    void validate_tool_paths();

    bool config_flag(int slot) const { return value(slot) == QLatin1String("1"); }
    std::int16_t config_int(int slot) const;
    std::int32_t config_long(int slot) const;
    QString config_text(int slot) const { return value(slot); }
    // "autotracker" is on when its value reads as the number 1 ("1", "1.0").
    bool autotracker_on() const { return leading_number(value(autotracker)) == 1.0; }

    QString key(int slot) const;
    QString value(int slot) const;
    void set_value(int slot, const QString& value);
    // The slot of a key name, or 0.
    static int slot_of(const QString& key);

private:
    std::array<QString, config_slot_count + 1> values_;
};

}  // namespace tamsel
