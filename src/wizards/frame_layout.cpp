#include "wizards/frame_layout.h"

#include <algorithm>

namespace tamsel {
namespace {

// Where share index of count begins along length; shares differ by one pixel at most.
int share_start(int length, int index, int count) { return static_cast<int>(static_cast<qint64>(length) * index / count); }

}  // namespace

QString strip_word(FrameSplit split) { return split == FrameSplit::rows ? QStringLiteral("Row") : QStringLiteral("Column"); }

QString how_many_text(FrameSplit split) { return QStringLiteral("How many ") + strip_word(split) + QStringLiteral("s would you like?"); }

QString strip_count_text(FrameSplit split, int count) {
    return QString::number(count) + QLatin1Char(' ') + strip_word(split) + (count > 1 ? QStringLiteral("s") : QString());
}

QString subdivide_text(FrameSplit split) {
    return QStringLiteral("Each ") + strip_word(split) + QStringLiteral(" can be sub-divided into from 1 to 8 frames");
}

QString strip_label(FrameSplit split, int index) { return strip_word(split) + QLatin1Char(' ') + QString::number(index + 1); }

QList<QRect> frame_boxes(const FrameLayout& layout, QSize area, int gap) {
    const bool rows = layout.split == FrameSplit::rows;
    const int along = rows ? area.height() : area.width();   // across the strips
    const int across = rows ? area.width() : area.height();  // along one strip, across its frames
    const int strips = std::clamp(layout.strips, 1, max_frame_strips);
    QList<QRect> boxes;
    for (int s = 0; s < strips; ++s) {
        const int s_start = share_start(along, s, strips);
        const int s_end = share_start(along, s + 1, strips);
        const int frames = std::clamp(layout.frames[s], 1, max_frames_per_strip);
        for (int f = 0; f < frames; ++f) {
            const int f_start = share_start(across, f, frames);
            const int f_end = share_start(across, f + 1, frames);
            const QRect share = rows ? QRect(f_start, s_start, f_end - f_start, s_end - s_start)
                                     : QRect(s_start, f_start, s_end - s_start, f_end - f_start);
            boxes << share.adjusted(gap, gap, -gap, -gap);
        }
    }
    return boxes;
}

QString frame_wizard_unfinished_text() {
    return QStringLiteral("'FRAME WIZARD' has not yet been implemented.\r\n"
                          "But is planned for a version to be released very soon!\r\n"
                          "Please check back on our website for the latest release");
}

QString frame_wizard_refusal_text() { return QStringLiteral("A Frameset can only be created as a NEW Document"); }

}  // namespace tamsel
