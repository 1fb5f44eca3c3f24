#pragma once
// The formatted text the cleanup formatters write into: finished lines, each indented by the nesting level
// they share, ended by the page's line end (CR LF unless told).
#include <QString>
#include <QStringView>

#include <functional>

namespace tamsel {

// No line is indented by more blanks than this; a deeper level starts again from 0 after its line.
constexpr int max_indentation = 33;

// Where written text can go as it is made, in pieces that each end where a line ends.
using LineSink = std::function<void(QStringView)>;

class LineEmitter {
public:
    explicit LineEmitter(int level_indent, QStringView line_end = u"\r\n")
        : step_(level_indent > 0 ? level_indent : 0), line_end_(line_end.toString()) {}

    // Writes the indentation and the line, right-trimmed; a line of blanks is not written. A line may hold
    // line breaks (a block kept as the page had it): the lines after the first are written as they stand,
    // each ended by the line end.
    void write_line(QStringView line);
    // A line holding one blank: the separator after a script procedure.
    void write_blank_line() {
        text_.append(QLatin1Char(' ')).append(line_end_);
        pass_on();
    }

    int level() const { return level_; }
    void open_level() { ++level_; }
    void close_level() {
        if (level_ > 0) --level_;
    }
    int indentation_width() const;

    // From now on the lines go to sink once some piece_size characters of them wait; take() hands it the
    // rest and returns nothing.
    void send_to(LineSink sink, qsizetype piece_size = 1 << 16) {
        sink_ = std::move(sink);
        piece_size_ = piece_size;
    }
    QString take() {
        if (!sink_) return std::move(text_);
        if (!text_.isEmpty()) sink_(text_);
        text_.clear();
        return {};
    }
    // Room for about this many characters, so that a big page is not copied as its result grows.
    void reserve(qsizetype size) { text_.reserve(size); }

private:
    void pass_on() {
        if (sink_ && text_.size() >= piece_size_) {
            sink_(text_);
            text_.resize(0);  // keeps its room for the next piece
        }
    }

    int step_;
    QString line_end_;
    int level_ = 0;
    QString text_;
    LineSink sink_;
    qsizetype piece_size_ = 0;
};

// Character classes the formatters share.
inline bool is_blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
inline bool is_space(QChar c) { return is_blank(c) || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
QStringView trimmed_view(QStringView text);
QStringView right_trimmed_view(QStringView text);

}  // namespace tamsel
