#pragma once
// The output line of the HTML cleanup: tags and text waiting to be written, cut at the right margin.
//
// Blanks after a tag's ">" go as pieces join the line, and the blanks a cut may take (outside quotes, comments
// and "<% %>" or "<? ?>" server blocks) are noted then, so each character is read once however long the
// line grows. A line longer than the width is cut at the first such blank beyond it; a line with no blank
// beyond the width stays whole. That makes a second cleanup find nothing more to cut: every piece a cut
// leaves has its blanks before the width.
#include "analyze/line_emitter.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace tamsel {

// Which characters of a line may be touched, fed the characters in order: blanks inside quotes, comments or
// a server block are never dropped or cut at.
class LineGuard {
public:
    // Whether line[i] stands outside quotes, comments and server blocks.
    bool outside(QStringView line, qsizetype i);
    // Outside quotes, comments and server blocks, with no mark half read: every character but the ordinary
    // ones may change that.
    bool plain() const {
        return comment_length_ < 0 && !skip_mark_ && !closing_server_ && server_.isNull() && quote_.isNull();
    }
    static bool ordinary(QChar c) {
        return c != QLatin1Char(' ') && c != QLatin1Char('"') && c != QLatin1Char('\'') && c != QLatin1Char('<');
    }

private:
    qsizetype comment_length_ = -1;  // characters of the comment read after its "<"; -1 outside one
    QChar quote_;
    QChar server_;
    bool closing_server_ = false;
    bool skip_mark_ = false;
};

class MarginLine {
public:
    MarginLine(LineEmitter& out, int margin) : out_(out), margin_(margin) {}

    bool empty() const { return start_ == line_.size(); }
    bool ends_with_gt() const { return !empty() && line_.back() == QLatin1Char('>'); }

    // Markup joins the line as it stands (less the blanks after a tag's ">").
    void append(QStringView markup) { join(markup, true); }
    // Text joins the line after a blank, unless it follows a ">" and the page has no blank before it. Then
    // the line is cut at the margin and written; without end_line its last piece stays on the line.
    void add_text(QStringView text, bool page_has_blank, bool end_line);
    void flush() { add_text({}, true, true); }

private:
    // A ">" ends a tag only in markup: in text ("a > b", "x => y") the blank after it is the author's.
    void join(QStringView piece, bool markup);
    int width() const;
    void cut_at_margin(int width);
    void write(qsizetype begin, qsizetype end);
    void clear();

    LineEmitter& out_;
    const int margin_;
    QString line_;                 // the waiting line is line_[start_, size)
    qsizetype start_ = 0;
    std::vector<qsizetype> cuts_;  // where line_ holds a blank a cut may take, in order
    LineGuard guard_;              // the state after the last character of line_
    bool after_gt_ = false;        // the last character that is not a blank ended a tag
};

}  // namespace tamsel
