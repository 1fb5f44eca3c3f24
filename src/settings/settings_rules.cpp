#include "settings/settings_rules.h"

#include <QStorageInfo>
#include <algorithm>
#include <cmath>

namespace tamsel {

const NumberRange* range_of(int slot) {
    for (const NumberRange& r : setting_ranges)
        if (r.slot == slot) return &r;
    return nullptr;
}

QString clamped_number(const QString& text, int low, int high) {
    const double number = leading_number(text);
    // std::nearbyint rounds halves to the even neighbour in the default rounding mode.
    const double rounded = std::isfinite(number) ? std::nearbyint(number) : 0.0;
    return QString::number(static_cast<int>(std::clamp(rounded, double(low), double(high))));
}

int font_size_index(int size) { return std::clamp(size - 8, 0, static_cast<int>(font_sizes.size()) - 1); }

CasePair case_pair_of(int value) { return {value == 1, value == 2}; }

int case_value_of(CasePair pair) { return pair.upper ? 1 : pair.lower ? 2 : 0; }

CasePair case_pair_clicked(CasePair pair, int index, bool checked) {
    if (index == 0) {
        pair.upper = checked;
        if (checked) pair.lower = false;
    } else {
        pair.lower = checked;
        if (checked) pair.upper = false;
    }
    return pair;
}

QStringList local_drive_entries() {
    QStringList entries;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Disks only: the kernel's own file systems hold no programs worth a walk.
        if (!volume.isValid() || !volume.isReady()) continue;
        if (volume.rootPath() != QLatin1String("/") && !volume.device().startsWith("/dev/")) continue;
        // A volume without a label is named by its device.
        const QString label = volume.name().isEmpty() ? QString::fromUtf8(volume.device()) : volume.name();
        entries << QStringLiteral("%1 [%2]").arg(volume.rootPath(), label);
    }
    return entries;
}

}  // namespace tamsel
