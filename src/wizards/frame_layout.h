#pragma once
// The frame wizard's layout: rows or columns, how many (1 to 8), and into how many frames each of them
// is divided (1 to 8); the texts the wizard shows for it and where its preview draws each frame.
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace tamsel {

enum class FrameSplit { rows, columns };

inline constexpr int max_frame_strips = 8;   // rows or columns
inline constexpr int max_frames_per_strip = 8;

struct FrameLayout {
    FrameSplit split = FrameSplit::rows;
    int strips = 1;
    std::array<int, max_frame_strips> frames = {1, 1, 1, 1, 1, 1, 1, 1};  // of each strip; those past strips unused
};

// "Row" or "Column".
QString strip_word(FrameSplit split);
// "How many Rows would you like?"
QString how_many_text(FrameSplit split);
// "1 Row", "3 Rows".
QString strip_count_text(FrameSplit split, int count);
// "Each Row can be sub-divided into from 1 to 8 frames".
QString subdivide_text(FrameSplit split);
// "Row 1" for index 0.
QString strip_label(FrameSplit split, int index);

// The boxes of the preview in an area of size: the area cut into layout.strips rows (or columns) of
// equal size, each cut across into its number of frames, every box kept gap pixels inside its share.
// Row by row (or column by column), left to right and top to bottom.
QList<QRect> frame_boxes(const FrameLayout& layout, QSize area, int gap);

// What finishing the wizard tells: the frameset itself is not written yet.
QString frame_wizard_unfinished_text();
// The refusal when the active document has text.
QString frame_wizard_refusal_text();

}  // namespace tamsel
