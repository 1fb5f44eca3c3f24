#include "analyze/line_emitter.h"

namespace tamsel {

QStringView right_trimmed_view(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && is_space(text[end - 1])) --end;
    return text.left(end);
}

QStringView trimmed_view(QStringView text) {
    qsizetype begin = 0;
    while (begin < text.size() && is_space(text[begin])) ++begin;
    return right_trimmed_view(text.mid(begin));
}

int LineEmitter::indentation_width() const {
    const long long wanted = static_cast<long long>(step_) * level_;
    return wanted > max_indentation ? max_indentation : static_cast<int>(wanted);
}

void LineEmitter::write_line(QStringView line) {
    const QStringView text = right_trimmed_view(line);
    if (trimmed_view(text).isEmpty()) return;
    text_.resize(text_.size() + indentation_width(), QLatin1Char(' '));
    // Line breaks inside come from the page as CR LF or LF; the result has one line end throughout.
    qsizetype from = 0;
    for (qsizetype nl = text.indexOf(QLatin1Char('\n')); nl >= 0; nl = text.indexOf(QLatin1Char('\n'), from)) {
        QStringView part = text.mid(from, nl - from);
        if (part.endsWith(QLatin1Char('\r'))) part.chop(1);
        text_.append(part).append(line_end_);
        from = nl + 1;
    }
    text_.append(text.mid(from)).append(line_end_);
    if (static_cast<long long>(step_) * level_ > max_indentation) level_ = 0;
    pass_on();
}

}  // namespace tamsel
