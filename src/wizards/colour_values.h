#pragma once
// Colours as the colour picker and the inspector pass them: one number in blue-green-red order
// (blue × 65536 + green × 256 + red), shown as "BBGGRR" digits by the picker's sample and written into
// pages as "#RRGGBB". Also the 216 web-safe colours of the picker's palette and the named colours of the
// tag database.
#include "tagdb/records.h"

#include <QList>
#include <QString>
#include <array>
#include <cstdint>

namespace tamsel {

using PickedColour = std::uint32_t;

struct Channels {
    int blue = 0;
    int green = 0;
    int red = 0;
};

constexpr Channels channels_of(PickedColour c) {
    return {static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF)};
}
constexpr PickedColour colour_of(Channels c) {
    return static_cast<PickedColour>((c.blue & 0xFF) << 16 | (c.green & 0xFF) << 8 | (c.red & 0xFF));
}

// The picker's sample digits: six upper-case hexadecimal digits, blue, green, red.
QString sample_hex(PickedColour c);
// "#RRGGBB" in upper case, as a page writes a colour.
QString rgb_text(PickedColour c);

// The colour an attribute value shows: a colour name (any letter case) is looked up among the named
// colours, an empty value is black, "#" and hexadecimal digits (padded on the left to six, the last six
// taken) give red, green and blue. Digits that are no hexadecimal number show black.
PickedColour display_colour(QStringView value, const QList<ColorRecord>& named);

// The first named colour whose value is c's "#RRGGBB" (in any letter case), or -1.
int named_colour_index(const QList<ColorRecord>& named, PickedColour c);

// The web-safe palette: six blocks side by side, one per blue level; in a block rows go by red level
// and columns by green level, each in the order 00, 33, 66, 99, CC, FF.
struct SafeBox {
    int block = 0;
    int row = 0;
    int column = 0;
    PickedColour colour = 0;
};
inline constexpr std::array<int, 6> safe_levels = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};

constexpr std::array<SafeBox, 216> safe_palette() {
    std::array<SafeBox, 216> boxes{};
    std::size_t n = 0;
    for (int b = 0; b < 6; ++b)
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                boxes[n++] = {b, r, g, colour_of({safe_levels[b], safe_levels[g], safe_levels[r]})};
    return boxes;
}

}  // namespace tamsel
