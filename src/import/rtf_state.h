#pragma once
// What the RTF converter keeps while it reads: the character and paragraph formatting of each group, the
// font and colour tables, and the right edges of a table row's cells. All of them grow as the document
// needs: no depth of nesting, number of fonts, colours or cells is a reason to lose a document.
#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace tamsel {

// The formatting a group's text is set in.
struct RtfFormat {
    int font = 0;              // the RTF font number
    std::uint32_t colour = 0;  // 0xRRGGBB
    std::int8_t size = 2;      // HTML font size, 1 to 7
    std::int8_t align = -1;    // -1 left, 0 centre, 1 right
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fallback = 1;          // \ucN: the characters that stand in for one \uN
};

// The formatting of each open group. A group starts with its parent's formatting; a record of its own is
// made only when it changes something, so that deep nesting costs a counter, not memory.
class FormatStack {
public:
    FormatStack();
    const RtfFormat& current() const { return frames_.back().format; }
    // The current group's formatting, to be changed.
    RtfFormat& change();
    void open() { ++depth_; }
    void close();
    int depth() const { return depth_; }

private:
    struct Frame {
        int depth;
        RtfFormat format;
    };
    std::vector<Frame> frames_;
    int depth_ = 0;
};

struct RtfFont {
    int number = 0;
    QString name;
    int charset = -1;  // \fcharsetN, -1 when the entry names none
};

class FontTable {
public:
    void add(const RtfFont& font);
    // The entry of number, else that of the default font, else the first; null for an empty table.
    const RtfFont* find(int number, int default_font) const;
    int size() const { return static_cast<int>(fonts_.size()); }

private:
    std::vector<RtfFont> fonts_;
    QHash<int, int> by_number_;  // the first entry of each number
};

class ColourTable {
public:
    void add(std::uint32_t colour) { colours_.push_back(colour); }
    // The colour at index; index 0 (the automatic colour) and unknown indexes read 0.
    std::uint32_t at(int index) const;
    int size() const { return static_cast<int>(colours_.size()); }

private:
    std::vector<std::uint32_t> colours_;
};

// The right edges of the cells of a table row in twips, turned into widths in percent of the row.
class CellWidths {
public:
    void clear();
    void add_boundary(int twips) { boundaries_.push_back(twips); }
    // Each cell's width as the whole part of its share of the row plus a half; a row whose boundaries do
    // not add up to a width gives its cells equal widths. Cells that would be narrower than nothing get 0.
    void compute();
    int count() const { return static_cast<int>(boundaries_.size()); }
    // The width of cell (from 1) in percent.
    int percent(int cell) const { return widths_[static_cast<std::size_t>(cell - 1)]; }

private:
    std::vector<int> boundaries_;
    std::vector<int> widths_;
};

// The HTML font size (1 to 7) of an RTF size in half-points: the point size is rounded half to even.
int html_font_size(int half_points);

}  // namespace tamsel
