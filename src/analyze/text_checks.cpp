#include "analyze/text_checks.h"

#include "core/markup_text.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/html_references.h"

namespace tamsel {
namespace {

int digit_value(QChar c, int base) {
    const char16_t u = c.unicode();
    int digit = -1;
    if (u >= u'0' && u <= u'9') digit = u - u'0';
    else if (u >= u'a' && u <= u'f') digit = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F') digit = u - u'A' + 10;
    return digit < base ? digit : -1;
}

// The value of a numeric reference body ("233", "x2014"); -1 when it has no digits. Large values stop
// growing past the last code point, so no number overflows.
long long reference_value(QStringView body) {
    const bool hex = !body.isEmpty() && (body[0] == u'x' || body[0] == u'X');
    const int base = hex ? 16 : 10;
    long long value = 0;
    int digits = 0;
    for (qsizetype i = hex ? 1 : 0; i < body.size(); ++i) {
        const int digit = digit_value(body[i], base);
        if (digit < 0) break;
        ++digits;
        if (value <= 0x10FFFF) value = value * base + digit;
    }
    return digits == 0 ? -1 : value;
}

// Whether a numeric reference's value is a character: not 0, no surrogate half, within Unicode, no
// noncharacter, and assigned in the Unicode version Qt carries.
bool names_a_character(long long value) {
    if (value <= 0 || value > 0x10FFFF) return false;
    const auto code = static_cast<char32_t>(value);
    if (QChar::isSurrogate(code)) return false;
    if ((code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE) return false;
    return QChar::category(code) != QChar::Other_NotAssigned;
}

// The position of needle at or after from, remembered in cache while it stays ahead of from; none is the
// text's size. Every search starts past the last one found, so a chunk is read once per needle.
qsizetype next_at_or_after(QStringView text, QChar needle, qsizetype from, qsizetype& cache) {
    if (cache < from) {
        cache = text.indexOf(needle, from);
        if (cache < 0) cache = text.size();
    }
    return cache;
}

// The length of the reference at the start of text when it shows a "<" ("&lt;", "&#60;", "&#x3C;", the
// ";" optional as browsers read it); 0 otherwise.
qsizetype shown_open_length(QStringView text) {
    if (text.startsWith(u"&lt", Qt::CaseInsensitive)) return text.startsWith(u"&lt;", Qt::CaseInsensitive) ? 4 : 3;
    if (!text.startsWith(u"&#")) return 0;
    const QStringView body = text.sliced(2);
    const bool hex = !body.isEmpty() && (body[0] == u'x' || body[0] == u'X');
    qsizetype end = hex ? 1 : 0;
    while (end < body.size() && digit_value(body[end], hex ? 16 : 10) >= 0) ++end;
    if (end == (hex ? 1 : 0) || reference_value(body.first(end)) != u'<') return 0;
    return 2 + end + (end < body.size() && body[end] == u';' ? 1 : 0);
}

}  // namespace

TextChecker::TextChecker(const EntityTable& entities, ProblemReporter& reporter) : entities_(entities), reporter_(reporter) {}

bool TextChecker::known_name(const QString& lower_name) {
    if (lower_names_.isEmpty()) {
        for (const Entity& e : entities_.entries())
            if (!e.name.isEmpty()) lower_names_.insert(e.name.toLower());
        for (const HtmlReference& r : html_references) lower_names_.insert(r.name.toString().toLower());
    }
    return lower_names_.contains(lower_name);
}

// Whether a chunk without a "<" has a ">" that may end a tag whose "<" was lost. A ">" after a "<" the
// page shows by reference closes that shown text ("&lt;string>", also when a line break or a cleanup's
// margin comes between them), one after "-" or "=" is an arrow of a code sample ("a->b", "x => y"), and
// one that begins the chunk has no tag before it (a prompt, "> ls"): none of them ends a tag. The shown "<"
// are counted as the chunk is read.
bool TextChecker::has_stray_close(QStringView chunk) {
    for (qsizetype i = 0; i < chunk.size(); ++i) {
        if (chunk[i] == u'&') {
            if (const qsizetype length = shown_open_length(chunk.sliced(i))) {
                ++shown_opens_;
                i += length - 1;
            }
        } else if (chunk[i] == u'>') {
            if (i == 0 || chunk[i - 1] == u'-' || chunk[i - 1] == u'=') continue;
            if (shown_opens_ == 0) return true;
            --shown_opens_;
        }
    }
    return false;
}

void TextChecker::check_text(QStringView chunk) {
    const bool open = chunk.contains(u'<');
    const bool close = chunk.contains(u'>');
    if (open) reporter_.report_problem(close ? 12 : 10);
    // A chunk without a ">" is read too when it shows a "<": a later line of the text may close it.
    else if ((close || chunk.contains(u'&')) && has_stray_close(chunk)) reporter_.report_problem(11);

    qsizetype semicolon = -1, angle = -1, blank = -1;
    for (qsizetype p = chunk.indexOf(u'&'); p >= 0; p = chunk.indexOf(u'&', p)) {
        qsizetype end = next_at_or_after(chunk, u';', p, semicolon);
        if (end == chunk.size()) {
            end = next_at_or_after(chunk, u'<', p + 1, angle);
            if (end == chunk.size()) end = chunk.size() - 1;
        }
        if (const qsizetype b = next_at_or_after(chunk, u' ', p + 1, blank); b < end) end = b;
        check_entity(chunk.sliced(p, end - p + 1));
        p = end + 1;
        if (p >= chunk.size()) break;
    }
}

void TextChecker::check_entity(QStringView piece) {
    QString reference = trim_blanks(piece).toString().toLower();
    if (reference.isEmpty()) return;
    if (reference == QLatin1String("&")) {
        reporter_.report_problem(13);
        return;
    }
    const bool missing_semicolon = !reference.endsWith(QLatin1Char(';'));
    if (missing_semicolon) reference += QLatin1Char(';');
    if (reference.startsWith(QLatin1String("&#"))) {
        check_numeric(reference);
        return;
    }
    const QString name = reference.mid(1, reference.size() - 2);
    if (!known_name(name)) reporter_.report_problem(15, QLatin1Char('&') + name + QLatin1Char(';'));
    else if (missing_semicolon) reporter_.report_problem(14, QLatin1Char('&') + name);
}

void TextChecker::check_numeric(const QString& reference) {
    const long long value = reference_value(QStringView(reference).sliced(2).chopped(1));
    if (!names_a_character(value)) reporter_.report_problem(16, reference);
}

}  // namespace tamsel
