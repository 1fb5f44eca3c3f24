#include "wizards/csv_reader.h"

#include "platform/text_codec.h"

#include <QFileInfo>
#include <algorithm>

namespace tamsel {
namespace {

bool is_separator(QChar c) { return c == u',' || c == u'\t'; }
bool is_line_break(QChar c) { return c == u'\r' || c == u'\n'; }

// text with its line breaks (CR LF, LF, lone CR) as '\n' and its tabs as commas.
QString normalised(QStringView text) {
    const auto changes = [](QChar c) { return c == u'\r' || c == u'\t'; };
    if (std::none_of(text.begin(), text.end(), changes)) return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            out += u'\n';
        } else {
            out += c == u'\t' ? QChar(u',') : c;
        }
    }
    return out;
}

// The position after the quote that closes the quoted stretch opening at open, over doubled quotes,
// separators and line breaks; the end of the text when no quote closes it.
qsizetype past_quoted(QStringView text, qsizetype open) {
    for (qsizetype j = open + 1;; j += 2) {
        j = text.indexOf(u'"', j);
        if (j < 0) return text.size();
        if (j + 1 >= text.size() || text[j + 1] != u'"') return j + 1;
    }
}

}  // namespace

QStringView trim_spaces(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return text.sliced(begin, end - begin);
}

bool CsvReader::next(QList<QStringView>& fields) {
    fields.clear();
    const qsizetype n = text_.size();
    if (position_ >= n) return false;
    qsizetype i = position_;
    for (;;) {
        const qsizetype begin = i;
        qsizetype j = i;
        while (j < n && text_[j] == u' ') ++j;
        if (j < n && text_[j] == u'"') j = past_quoted(text_, j);
        while (j < n && !is_separator(text_[j]) && !is_line_break(text_[j])) ++j;
        fields.append(text_.sliced(begin, j - begin));
        if (j < n && is_separator(text_[j])) {
            i = j + 1;
            continue;
        }
        // The record ends at its line end (taken whole) or at the end of the text.
        if (j < n) j += text_[j] == u'\r' && j + 1 < n && text_[j + 1] == u'\n' ? 2 : 1;
        position_ = j;
        return true;
    }
}

bool is_numeric_text(QStringView text) {
    QStringView t = trim_spaces(text);
    if (!t.isEmpty() && (t.front() == u'+' || t.front() == u'-')) t = t.sliced(1);
    int points = 0;
    for (const QChar c : t) {
        if (c == u'.') ++points;
        else if (c < u'0' || c > u'9') points = 99;
        if (points > 1) break;
    }
    return points < 2;
}

int numeric_sign(QStringView text) {
    const QStringView t = trim_spaces(text);
    for (const QChar c : t)
        if (c >= u'1' && c <= u'9') return t.front() == u'-' ? -1 : 1;
    return 0;
}

CsvCell csv_cell(QStringView raw, bool last_field) {
    CsvCell cell;
    const QStringView trimmed = trim_spaces(raw);
    if (trimmed.size() >= 2 && trimmed.front() == u'"' && trimmed.back() == u'"') {
        QString inner = normalised(trimmed.sliced(1, trimmed.size() - 2));
        inner.replace(QLatin1String("\"\""), QLatin1String("\""));
        cell.text = trim_spaces(inner).toString();
    } else {
        // Line breaks and tabs stand here only when a quote was never closed.
        cell.text = normalised(last_field ? raw : trimmed);
        cell.numeric = is_numeric_text(cell.text);
    }
    if (trim_spaces(cell.text).isEmpty()) {
        cell.empty = true;
        cell.numeric = false;
    }
    if (cell.numeric) cell.sign = numeric_sign(cell.text);
    return cell;
}

std::optional<DecodedText> read_csv_file(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return std::nullopt;
    qint64 size = 0;
    return read_document(path, &size);
}

}  // namespace tamsel
