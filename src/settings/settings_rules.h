#pragma once
// The rules of the settings dialog that are not about widgets: the ranges numbers are kept in, the font
// sizes offered, the letter-case pairs, the ruler bits, and the local drives the tool search may walk.
#include "settings/config_table.h"

#include <QStringList>
#include <array>

namespace tamsel {

struct NumberRange {
    int slot;
    int low;
    int high;
};

inline constexpr std::array<NumberRange, 4> setting_ranges = {{
    {autotracker_time, 0,  60},
    {right_margin,     64, 255},
    {level_indent,     0,  6},
    {tab_width,        1,  6},
}};

// The range of slot; null for a slot that is no number of the dialog.
const NumberRange* range_of(int slot);

// A typed number as the dialog keeps it: its leading number (0 when there is none), rounded to the
// nearest whole number (halves to the even one), clamped to low..high, as plain decimal text.
QString clamped_number(const QString& text, int low, int high);

inline constexpr std::array<QStringView, 6> font_sizes = {u"8", u"9", u"10", u"11", u"12", u"14"};
// The entry shown for a font size: size − 8, the last entry beyond it, the first below 8.
int font_size_index(int size);

// A letter-case setting as its two boxes (UPPER, lower) and back: 1 the first, 2 the second, 0 neither.
struct CasePair {
    bool upper = false;
    bool lower = false;
};
CasePair case_pair_of(int value);
int case_value_of(CasePair pair);
// The pair after box index (0 or 1) was clicked into state checked: at most one box stays ticked.
CasePair case_pair_clicked(CasePair pair, int index, bool checked);

// The local file systems as the tool search takes them: "MOUNT POINT [label]".
QStringList local_drive_entries();

}  // namespace tamsel
