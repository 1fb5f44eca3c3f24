#include "import/import_page.h"

#include "core/progress_model.h"
#include "tagdb/fixed_tables.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace tamsel {

ProgressSteps::ProgressSteps(const ImportProgress& progress, qint64 total) : progress_(progress) {
    while ((total >> shift_) > INT_MAX / 2) ++shift_;
}

int ProgressSteps::maximum_for(qint64 total) {
    int shift = 0;
    while ((total >> shift) > INT_MAX / 2) ++shift;
    return static_cast<int>(total >> shift);
}

bool ProgressSteps::reached(qint64 position) {
    if (progress_.model) progress_.model->advance_progress(0, static_cast<int>(position >> shift_), true);
    return !(progress_.stop_requested && progress_.stop_requested());
}

void PageLines::close_inline() {
    if (!inline_open_) return;
    page_ += u'\n';
    inline_open_ = false;
}

void PageLines::line(QStringView text) {
    close_inline();
    page_ += text;
    page_ += u'\n';
}

void PageLines::inline_text(QStringView text) {
    if (text.isEmpty()) return;
    page_ += text;
    inline_open_ = true;
}

void PageLines::end_inline(QStringView text) {
    page_ += text;
    page_ += u'\n';
    inline_open_ = false;
}

void PageLines::inline_escaped(QStringView text) {
    append_import_text(text, page_);
    inline_open_ = true;
}

QString PageLines::take() {
    close_inline();
    return std::exchange(page_, QString());
}

void write_page_start(PageLines& page, bool with_style) {
    for (const QStringView line : {u"<html>", u"<head>", u"</head>", u"<body>"}) page.line(line);
    if (!with_style) return;
    for (const QStringView line : {u"<style>", u"body {font: 10pt courier,sans-serif;}", u"</style>"}) page.line(line);
}

void write_page_end(PageLines& page) { page.line(u"</body></html>"); }

namespace {

// The reference of each character up to U+00FF the entity table names, "&lt;" for 60; empty for the
// others. Built from the table's leading entries (those of a code up to 255), in table order, the first
// winning. Its codes 128 to 159 name control characters, which a page never gets (see is_control).
using ReferenceTable = std::array<QString, 256>;

ReferenceTable build_references() {
    ReferenceTable refs;
    for (const EntitySource& e : entity_sources) {
        int code = -1;
        if (e.char_text == u"'''") code = '"';
        else if (e.char_text.startsWith(u'#')) code = e.char_text.mid(1).toInt();
        if (code < 0 || code > 255 || code == '&' || !refs[code].isEmpty()) continue;  // "&" comes first
        refs[code] = QLatin1Char('&') + e.name.toString() + QLatin1Char(';');
    }
    return refs;
}

const ReferenceTable& references() {
    static const ReferenceTable refs = build_references();
    return refs;
}

bool is_control(char16_t c) { return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F); }

}  // namespace

void append_import_text(QStringView text, QString& out) {
    const ReferenceTable& refs = references();
    // Room grows by doubling: the page is written a few characters a call, and room made to the exact size
    // each time would copy the whole page on every call where the allocator cannot grow it in place.
    if (const qsizetype needed = out.size() + text.size() + 16; out.capacity() < needed)
        out.reserve(std::max(needed, 2 * out.capacity()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'&') {
            out += QLatin1String("&amp;");
        } else if (c == u' ') {
            const bool pair = i + 1 < text.size() && text[i + 1] == u' ';
            out += pair ? QLatin1String(" &nbsp;") : QLatin1String(" ");
            if (pair) ++i;
        } else if (is_control(c)) {
            continue;
        } else if (c <= 0xFF && !refs[c].isEmpty()) {
            out += refs[c];
        } else {
            out += QChar(c);
        }
    }
}

bool has_visible_text(QStringView text) {
    for (const QChar c : text)
        if (c != u' ') return true;
    return false;
}

}  // namespace tamsel
