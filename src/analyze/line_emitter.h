#pragma once
// The formatted text the cleanup formatters write into: finished lines, each indented by the nesting level
// they share, ended by CR LF.
#include <QString>
#include <QStringView>

namespace tamsel {

// No line is indented by more blanks than this; a deeper level starts again from 0 after its line.
constexpr int max_indentation = 33;

class LineEmitter {
public:
    explicit LineEmitter(int level_indent) : step_(level_indent > 0 ? level_indent : 0) {}

    // Writes the indentation and the line, right-trimmed; a line of blanks is not written. A line may hold
    // line breaks (a block kept as the page had it): the lines after the first are written as they stand.
    void write_line(QStringView line);
    // A line holding one blank: the separator after a script procedure.
    void write_blank_line() { text_ += QStringLiteral(" \r\n"); }

    int level() const { return level_; }
    void open_level() { ++level_; }
    void close_level() {
        if (level_ > 0) --level_;
    }
    int indentation_width() const;

    const QString& text() const { return text_; }
    QString take() { return std::move(text_); }

private:
    int step_;
    int level_ = 0;
    QString text_;
};

// Character classes the formatters share.
inline bool is_blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
inline bool is_space(QChar c) { return is_blank(c) || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
QStringView trimmed_view(QStringView text);
QStringView right_trimmed_view(QStringView text);

}  // namespace tamsel
