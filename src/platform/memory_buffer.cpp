#include "platform/memory_buffer.h"

#include <algorithm>

namespace tamsel {
namespace {

bool is_word_char(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

}  // namespace

MemoryBuffer::MemoryBuffer(const QString& text) : text_(text), colours_(static_cast<std::size_t>(text.size()), 0) {}

void MemoryBuffer::swap_content(MemoryBuffer& other) {
    text_.swap(other.text_);
    std::swap(sel_start_, other.sel_start_);
    std::swap(sel_length_, other.sel_length_);
    std::swap(first_visible_, other.first_visible_);
    colours_.swap(other.colours_);
    undo_.swap(other.undo_);
}

// Within an undo step only the text before its first change is kept: a generator that pours a large
// table in many pieces keeps one copy, not one per piece.
void MemoryBuffer::remember() {
    if (step_depth_ > 0 && step_remembered_) return;
    undo_.append(text_);
    step_remembered_ = step_depth_ > 0;
}

void MemoryBuffer::begin_undo_step() {
    if (step_depth_++ == 0) step_remembered_ = false;
}

void MemoryBuffer::set_text(const QString& text) {
    remember();
    text_ = text;
    colours_.assign(static_cast<std::size_t>(text.size()), 0);
    sel_start_ = sel_length_ = 0;
}

void MemoryBuffer::set_selection(qsizetype start, qsizetype length) {
    sel_start_ = std::clamp<qsizetype>(start, 0, text_.size());
    sel_length_ = std::clamp<qsizetype>(length, 0, text_.size() - sel_start_);
}

void MemoryBuffer::replace_selection(const QString& text) {
    remember();
    text_.replace(sel_start_, sel_length_, text);
    const auto at = colours_.begin() + sel_start_;
    colours_.erase(at, at + sel_length_);
    colours_.insert(colours_.begin() + sel_start_, static_cast<std::size_t>(text.size()), 0);
    sel_start_ += text.size();
    sel_length_ = 0;
}

qsizetype MemoryBuffer::find(const QString& what, qsizetype from, FindOptions options) {
    if (what.isEmpty()) return -1;
    const Qt::CaseSensitivity cs = options.match_case ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text_.indexOf(what, std::max<qsizetype>(from, 0), cs); at >= 0;
         at = text_.indexOf(what, at + 1, cs)) {
        const qsizetype end = at + what.size();
        const bool word_ok = !options.whole_word ||
                             ((at == 0 || !is_word_char(text_[at - 1])) && (end >= text_.size() || !is_word_char(text_[end])));
        if (!word_ok) continue;
        if (options.select) set_selection(at, what.size());
        return at;
    }
    return -1;
}

int MemoryBuffer::line_count() const { return static_cast<int>(text_.count(QLatin1Char('\n'))) + 1; }

int MemoryBuffer::line_of(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, text_.size());
    return static_cast<int>(QStringView(text_).left(position).count(QLatin1Char('\n')));
}

qsizetype MemoryBuffer::line_start(int line) const {
    qsizetype pos = 0;
    for (int l = 0; l < line; ++l) {
        const qsizetype nl = text_.indexOf(QLatin1Char('\n'), pos);
        if (nl < 0) return text_.size();
        pos = nl + 1;
    }
    return pos;
}

void MemoryBuffer::scroll_lines(int n) {
    if (visible_lines <= 0) return;
    first_visible_ = std::clamp(first_visible_ + n, 0, std::max(0, line_count() - visible_lines));
}

void MemoryBuffer::apply_colours(const QList<ColourRun>& runs) {
    for (const ColourRun& r : runs) {
        characters_coloured += r.length;
        for (qsizetype i = std::max<qsizetype>(r.start, 0); i < std::min(r.start + r.length, text_.size()); ++i) colours_[i] = r.colour;
    }
}

ColourValue MemoryBuffer::colour_at(qsizetype position) const {
    return (position >= 0 && position < text_.size()) ? colours_[position] : 0;
}

QList<ColourRun> MemoryBuffer::colour_runs() const {
    QList<ColourRun> runs;
    for (qsizetype i = 0; i < text_.size(); ++i) {
        if (!runs.isEmpty() && runs.last().colour == colours_[i] && runs.last().start + runs.last().length == i) ++runs.last().length;
        else runs.append({i, 1, colours_[i]});
    }
    return runs;
}

void MemoryBuffer::undo() {
    if (undo_.isEmpty()) return;
    text_ = undo_.takeLast();
    colours_.assign(static_cast<std::size_t>(text_.size()), 0);
    set_selection(sel_start_, 0);
}

}  // namespace tamsel
