#include "import/rtf_state.h"

#include <cmath>

namespace tamsel {

FormatStack::FormatStack() {
    frames_.reserve(33);
    frames_.push_back({0, RtfFormat{}});
}

RtfFormat& FormatStack::change() {
    if (frames_.back().depth < depth_) frames_.push_back({depth_, frames_.back().format});
    return frames_.back().format;
}

void FormatStack::close() {
    if (frames_.size() > 1 && frames_.back().depth == depth_) frames_.pop_back();
    if (depth_ > 0) --depth_;
}

void FontTable::add(const RtfFont& font) {
    if (!by_number_.contains(font.number)) by_number_.insert(font.number, size());
    fonts_.push_back(font);
}

const RtfFont* FontTable::find(int number, int default_font) const {
    if (fonts_.empty()) return nullptr;
    int index = by_number_.value(number, -1);
    if (index < 0) index = by_number_.value(default_font, 0);
    return &fonts_[static_cast<std::size_t>(index)];
}

std::uint32_t ColourTable::at(int index) const {
    return (index > 0 && index < size()) ? colours_[static_cast<std::size_t>(index)] : 0;
}

void CellWidths::clear() {
    boundaries_.clear();
    widths_.clear();
}

void CellWidths::compute() {
    const std::size_t n = boundaries_.size();
    widths_.assign(n, 0);
    if (n == 0) return;
    std::vector<long long> distances(n);
    long long total = 0;
    bool ascending = true;
    for (std::size_t i = 0; i < n; ++i) {
        distances[i] = static_cast<long long>(boundaries_[i]) - (i == 0 ? 0 : boundaries_[i - 1]);
        total += distances[i];
        ascending = ascending && distances[i] >= 0;
    }
    // Boundaries that go back measure nothing: the cells share the row equally, as in a row of no width.
    const bool measured = total > 0 && ascending;
    for (std::size_t i = 0; i < n; ++i) {
        const double share = measured ? static_cast<double>(distances[i]) / static_cast<double>(total) : 1.0 / n;
        widths_[i] = share > 0 ? static_cast<int>(std::floor(share * 100 + 0.5)) : 0;
    }
}

int html_font_size(int half_points) {
    if (half_points < 0) return 7;
    int points = half_points / 2;
    if (half_points % 2 == 1 && points % 2 == 1) ++points;  // a half rounds to the even neighbour
    if (points <= 8) return 1;
    if (points <= 10) return 2;
    if (points <= 12) return 3;
    if (points <= 15) return 4;
    if (points <= 18) return 5;
    if (points <= 24) return 6;
    return 7;
}

}  // namespace tamsel
