#pragma once
// The settings the wizards keep in the per-user store between openings, with their defaults. They are
// stored under their own names (not as configuration keys), and `tamsel --set KEY=VALUE` overrides them
// for one run like a configuration key.
#include <QStringView>
#include <array>

namespace tamsel {

struct WizardSetting {
    QStringView key;
    QStringView default_value;
};

// The table wizard's fields: styles of text and numeric cells, padding, spacing, border, width and its
// unit (0 pixels, 1 percent), whether the width is set (1) or fits the data (0), a centred top row, and
// the last CSV file.
inline constexpr std::array<WizardSetting, 14> table_wizard_settings = {{
    {u"CSV_Filename",  u""},
    {u"CSV_CStyle0",   u""},
    {u"CSV_CStyle1",   u""},
    {u"CSV_CStyle2",   u""},
    {u"CSV_NStyle0",   u""},
    {u"CSV_NStyle1",   u""},
    {u"CSV_NStyle2",   u""},
    {u"CSV_Table0",    u"0"},
    {u"CSV_Table1",    u"0"},
    {u"CSV_Table2",    u"1"},
    {u"CSV_Unit",      u"1"},
    {u"CSV_Width",     u"100"},
    {u"CSV_Table",     u"1"},
    {u"CSV_TopCenter", u"1"},
}};

// The row of key (exact letter case), or null.
constexpr const WizardSetting* find_wizard_setting(QStringView key) {
    for (const WizardSetting& s : table_wizard_settings)
        if (s.key == key) return &s;
    return nullptr;
}

}  // namespace tamsel
