#include "analyze/margin_line.h"

#include <algorithm>
#include <cstring>

namespace tamsel {

bool LineGuard::outside(QStringView line, qsizetype i) {
    const QChar c = line[i];
    const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
    if (comment_length_ >= 0) {  // ends at the first "-->" that is not part of its "<!--", as in the scanner
        ++comment_length_;
        if (c == QLatin1Char('>') && comment_length_ >= 6 && line[i - 1] == QLatin1Char('-') &&
            line[i - 2] == QLatin1Char('-'))
            comment_length_ = -1;
        return false;
    }
    if (skip_mark_) {  // the "%" or "?" of the opening mark
        skip_mark_ = false;
        return false;
    }
    if (closing_server_) {
        closing_server_ = false;
        server_ = QChar();
        return false;
    }
    if (!server_.isNull()) {
        closing_server_ = c == server_ && next == QLatin1Char('>');
        return false;
    }
    if (!quote_.isNull()) {
        if (c == quote_) quote_ = QChar();
        return false;
    }
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        quote_ = c;
        return false;
    }
    if (c == QLatin1Char('<') && (next == QLatin1Char('%') || next == QLatin1Char('?'))) {
        server_ = next;
        skip_mark_ = true;
        return false;
    }
    if (c == QLatin1Char('<') && i + 3 < line.size() && line[i + 1] == u'!' && line[i + 2] == u'-' && line[i + 3] == u'-') {
        comment_length_ = 0;
        return false;
    }
    return true;
}

// The guard reads the line as it stands in line_: the characters before the piece as already kept, the
// piece as it came (it is moved down over the blanks dropped only behind the guard). A piece joins whole
// (a tag, a server block, a text chunk), so what the guard looks ahead at lies in it.
void MarginLine::join(QStringView piece, bool markup) {
    const qsizetype from = line_.size();
    line_.append(piece);
    // Through the data pointer: indexing a QString that may be written checks on every character whether
    // it is shared.
    QChar* const chars = line_.data();
    const QStringView line(chars, line_.size());
    const qsizetype size = line.size();
    qsizetype write = from;
    qsizetype read = from;
    while (read < size) {
        if (guard_.plain()) {  // most of a line: a run that leaves the guard as it is moves down whole
            const qsizetype run = read;
            while (read < size && LineGuard::ordinary(chars[read])) ++read;
            if (read > run) {
                if (write != run) std::memmove(chars + write, chars + run, (read - run) * sizeof(QChar));
                write += read - run;
                after_gt_ = markup && chars[read - 1] == QLatin1Char('>');
                continue;
            }
        }
        const QChar c = chars[read];
        const bool outside = guard_.outside(line, read++);
        if (c == QLatin1Char(' ')) {
            if (outside && after_gt_) continue;
            if (outside) cuts_.push_back(write);
        } else {
            // Only a tag's ">": the blank after a comment or a server block's output separates words.
            after_gt_ = markup && c == QLatin1Char('>') && outside;
        }
        chars[write++] = c;
    }
    line_.truncate(write);
}

void MarginLine::add_text(QStringView text, bool page_has_blank, bool end_line) {
    qsizetype end = line_.size();
    while (end > start_ && is_space(line_[end - 1])) --end;
    line_.truncate(end);
    while (!cuts_.empty() && cuts_.back() >= end) cuts_.pop_back();
    const QStringView trimmed = trimmed_view(text);
    if (!trimmed.isEmpty()) {
        if (!empty() && (page_has_blank || !ends_with_gt())) join(u" ", false);
        join(trimmed, false);
    }
    while (start_ < line_.size() && is_space(line_[start_])) ++start_;
    if (empty()) {
        clear();
        return;
    }
    cut_at_margin(width());
    if (end_line) {
        write(start_, line_.size());
        clear();
    } else if (start_ > line_.size() / 2) {  // what was written goes, seldom enough to cost one pass in all
        line_.remove(0, start_);
        const auto written = std::lower_bound(cuts_.begin(), cuts_.end(), start_);
        cuts_.erase(cuts_.begin(), written);
        for (qsizetype& cut : cuts_) cut -= start_;
        start_ = 0;
    }
}

int MarginLine::width() const {
    const int width = margin_ - out_.indentation_width();
    return width < 32 ? margin_ : width;
}

void MarginLine::cut_at_margin(int width) {
    while (line_.size() - start_ > width) {
        const auto beyond = std::lower_bound(cuts_.begin(), cuts_.end(), start_ + width);
        if (beyond == cuts_.end()) return;  // no blank beyond the margin: the line stays whole
        write(start_, *beyond);
        start_ = *beyond + 1;
        while (start_ < line_.size() && line_[start_] == QLatin1Char(' ')) ++start_;
    }
}

void MarginLine::write(qsizetype begin, qsizetype end) {
    out_.write_line(trimmed_view(QStringView(line_).mid(begin, end - begin)));
}

void MarginLine::clear() {
    line_.truncate(0);
    start_ = 0;
    cuts_.clear();
    guard_ = LineGuard();
    after_gt_ = false;
}

}  // namespace tamsel
