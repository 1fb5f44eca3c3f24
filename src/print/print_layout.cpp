#include "print/print_layout.h"

#include <QLocale>
#include <algorithm>
#include <limits>

namespace tamsel {

namespace {

constexpr int tab_stop = 8;

QString expand_tabs(QStringView line) {
    if (!line.contains(u'\t')) return line.toString();
    QString out;
    out.reserve(line.size() + tab_stop);
    for (const QChar c : line) {
        if (c == u'\t') out.append(QString(tab_stop - out.size() % tab_stop, u' '));
        else out.append(c);
    }
    return out;
}

QStringView without_trailing_spaces(QStringView line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ') --end;
    return line.first(end);
}

// Collects output lines into pages; a header starts each page.
class Pager {
public:
    Pager(const QString& title, QDate date, PrintMetrics metrics, const std::function<bool(const PrintedPage&)>& ready)
        : title_(title), date_(date), metrics_(metrics), ready_(ready) {}

    bool add(PrintedLine line) {
        if (used_ >= metrics_.lines_per_page && !start_page()) return false;
        page_.lines.append(std::move(line));
        ++used_;
        return true;
    }
    bool finish() { return !started_ ? start_page() && ready_(page_) : ready_(page_); }

private:
    bool start_page() {
        if (started_ && !ready_(page_)) return false;
        started_ = true;
        page_ = PrintedPage{page_.number + 1, {}, QString(metrics_.chars_per_line, u'-'), {}};
        page_.header = page_header(title_, page_.number, date_, metrics_.chars_per_line);
        used_ = 2;
        return true;
    }

    const QString& title_;
    QDate date_;
    PrintMetrics metrics_;
    const std::function<bool(const PrintedPage&)>& ready_;
    PrintedPage page_;
    int used_ = std::numeric_limits<int>::max();  // a page starts before the first line
    bool started_ = false;
};

// The pieces of a line as wide as the page; a piece never ends between the halves of a surrogate pair.
bool add_text_line(Pager& pager, int number, QStringView line, int width) {
    const QString text = expand_tabs(without_trailing_spaces(line));
    if (text.isEmpty()) return pager.add({QString::number(number).rightJustified(5) + QStringLiteral(": "), QStringLiteral(" ")});
    for (qsizetype at = 0; at < text.size();) {
        qsizetype n = std::min<qsizetype>(width, text.size() - at);
        if (n > 1 && at + n < text.size() && text[at + n - 1].isHighSurrogate()) --n;
        const QString label = at == 0 ? QString::number(number).rightJustified(5) + QStringLiteral(": ") : QString();
        if (!pager.add({label, text.mid(at, n)})) return false;
        at += n;
    }
    return true;
}

}  // namespace

QString page_header(const QString& title, int page, QDate date, int width) {
    if (width < 1) return {};
    QString centred = title.isEmpty() ? QStringLiteral("Error List") : title.toUpper();
    if (centred.size() < width) {
        const qsizetype pad = (width - centred.size() + 1) / 2;
        centred = QString(pad, u' ') + centred + QString(pad, u' ');
    }
    centred.truncate(width);
    const QString day = QLocale::c().toString(date, QStringLiteral("ddMMMyyyy"));
    const QString page_text = QStringLiteral("pg. ") + QString::number(page);
    centred.replace(0, std::min<qsizetype>(day.size(), width), day.left(width));
    const qsizetype tail = std::min<qsizetype>(page_text.size(), width);
    centred.replace(width - tail, tail, page_text.right(tail));
    return centred;
}

void lay_out_pages(QStringView text, const QString& title, QDate date, PrintMetrics metrics,
                   const std::function<bool(const PrintedPage&)>& page_ready) {
    metrics.lines_per_page = std::max(metrics.lines_per_page, 3);
    metrics.chars_per_line = std::max(metrics.chars_per_line, 1);
    Pager pager(title, date, metrics, page_ready);
    int number = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
        if (!add_text_line(pager, ++number, text.sliced(start, end - start), metrics.chars_per_line)) return;
        start = end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
    }
    pager.finish();
}

}  // namespace tamsel
