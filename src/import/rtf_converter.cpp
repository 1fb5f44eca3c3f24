#include "import/rtf_converter.h"

#include <QChar>
#include <utility>

namespace tamsel {
namespace {

// How often a file without line breaks still moves the progress and hears the stop request.
constexpr qsizetype progress_stride = 1 << 16;

// The characters of the control symbols that stand for text: "\~" a no-break space, "\_" a no-break
// hyphen; "\{", "\}" and "\\" the characters themselves.
char32_t symbol_character(unsigned char symbol) {
    switch (symbol) {
    case '{': case '}': case '\\': return symbol;
    case '~': return 0x00A0;
    case '_': return 0x2011;
    default: return 0;
    }
}

QString colour_text(std::uint32_t colour) {
    return QStringLiteral("%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

qsizetype rtf_document_start(QByteArrayView bytes) {
    qsizetype at = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < bytes.size() && is_space(bytes[at])) ++at;
    const QByteArrayView head = bytes.sliced(at).first(qMin<qsizetype>(5, bytes.size() - at));
    return head.compare("{\\rtf", Qt::CaseInsensitive) == 0 ? at : -1;
}

std::optional<QString> rtf_import_page(QByteArrayView rtf, const ImportProgress& progress) {
    return RtfConverter(rtf).run(progress);
}

std::optional<QString> RtfConverter::run(const ImportProgress& progress) {
    ProgressSteps steps(progress, size_);
    qsizetype next_report = progress_stride;
    while (!ended_) {
        const RtfToken t = tokens_.next();
        if (t.kind == RtfToken::end) break;
        if (t.kind != RtfToken::word && t.kind != RtfToken::line_end) star_pending_ = false;
        switch (t.kind) {
        case RtfToken::line_end: break;
        case RtfToken::group_open: group_open(); break;
        case RtfToken::group_close: group_close(); break;
        case RtfToken::word: control_word(t); break;
        case RtfToken::symbol: control_symbol(t.value); break;
        case RtfToken::byte: append_bytes(QByteArrayView(&t.value, 1)); break;
        case RtfToken::run: append_bytes(t.text); break;
        case RtfToken::end: break;
        }
        if (t.kind == RtfToken::line_end || tokens_.position() >= next_report) {
            if (!steps.reached(tokens_.position())) return std::nullopt;
            next_report = tokens_.position() + progress_stride;
        }
    }
    finish();
    steps.reached(size_);
    return page_.take();
}

// --- Groups and control words ---

void RtfConverter::group_open() {
    settle_bytes();
    fallback_left_ = 0;
    flush_import_text();
    formats_.open();
}

void RtfConverter::group_close() {
    settle_bytes();
    fallback_left_ = 0;
    if (in_font_table() && skip_depth_ < 0) commit_font();
    flush_import_text();
    formats_.close();
    const int depth = formats_.depth();
    if (depth < skip_depth_) skip_depth_ = -1;
    if (depth < font_table_depth_) font_table_depth_ = -1;
    if (depth < colour_table_depth_) colour_table_depth_ = -1;
    if (depth == 0) ended_ = true;
}

void RtfConverter::control_word(const RtfToken& token) {
    settle_bytes();
    const RtfWord word = find_rtf_word(token.name);
    // "\*" before a destination this reader knows, as some writers put it before \fldrslt, skips nothing.
    if (std::exchange(star_pending_, false) && word.action == RtfAction::field_result) skip_depth_ = -1;
    if (skip_depth_ >= 0) return;
    if (fallback_left_ > 0) {  // a control word standing in for the character of a \uN
        --fallback_left_;
        return;
    }
    act(word, token.param, token.has_param);
}

void RtfConverter::control_symbol(unsigned char symbol) {
    settle_bytes();
    if (skip_depth_ >= 0) return;
    if (fallback_left_ > 0) {
        --fallback_left_;
        return;
    }
    if (symbol == '*') {  // a destination this reader may not know: skipped whole
        skip_depth_ = formats_.depth();
        star_pending_ = true;
        return;
    }
    if (const char32_t c = symbol_character(symbol)) append_character(c);
}

void RtfConverter::act(const RtfWord& word, int param, bool has_param) {
    switch (word.action) {
    case RtfAction::character: append_character(word.character); return;
    case RtfAction::unicode: append_unicode(param); return;
    case RtfAction::skip_group: skip_depth_ = formats_.depth(); return;
    default: break;
    }
    settle_bytes();
    if (!text_.isEmpty()) flush_import_text();
    switch (word.action) {
    case RtfAction::header: return;
    case RtfAction::code_page: if (param > 0) document_code_page_ = param; return;
    case RtfAction::code_page_mac: document_code_page_ = 10000; return;
    case RtfAction::code_page_pc: document_code_page_ = 437; return;
    case RtfAction::code_page_pca: document_code_page_ = 850; return;
    case RtfAction::default_font: default_font_ = param; return;
    case RtfAction::font_charset: if (in_font_table()) font_.charset = param; return;
    default: break;
    }
    if (in_table_ && !cell_open_) open_cell();
    switch (word.action) {
    case RtfAction::page_start: start_page(); break;
    case RtfAction::font_table: start_page(); font_table_depth_ = formats_.depth(); break;
    case RtfAction::colour_table: colour_table_depth_ = formats_.depth(); break;
    case RtfAction::red: colour_ += static_cast<std::uint32_t>(qBound(0, param, 255)) << 16; break;
    case RtfAction::green: colour_ += static_cast<std::uint32_t>(qBound(0, param, 255)) << 8; break;
    case RtfAction::blue: colour_ += static_cast<std::uint32_t>(qBound(0, param, 255)); break;
    case RtfAction::paragraph_break: start_page(); page_.end_inline(u"<br>"); break;
    case RtfAction::row_start:
    case RtfAction::in_table:
    case RtfAction::cell_end:
    case RtfAction::row_end:
    case RtfAction::cell_boundary: act_in_table(word.action, param); break;
    default: set_format(word.action, param, has_param); break;
    }
}

void RtfConverter::act_in_table(RtfAction action, int param) {
    switch (action) {
    case RtfAction::row_start: start_row(); break;
    case RtfAction::in_table:
        if (cell_index_ == 0) {
            cells_.compute();
            widths_pending_ = false;
        }
        break;
    case RtfAction::cell_end: close_cell(); break;
    case RtfAction::row_end: end_row(); break;
    case RtfAction::cell_boundary:
        cell_index_ = 0;
        widths_pending_ = true;
        cells_.add_boundary(param);
        break;
    default: break;
    }
}

void RtfConverter::set_format(RtfAction action, int param, bool has_param) {
    if (action == RtfAction::font && in_font_table()) {
        if (font_numbered_ || has_visible_text(text_)) commit_font();  // an entry without its ";"
        font_.number = param;
        font_numbered_ = true;
        return;
    }
    const bool on = !(has_param && param == 0);
    switch (action) {
    case RtfAction::font: formats_.change().font = param; break;
    case RtfAction::font_size: formats_.change().size = static_cast<std::int8_t>(html_font_size(param)); break;
    case RtfAction::colour: formats_.change().colour = colours_.at(param); break;
    case RtfAction::bold: formats_.change().bold = on; break;
    case RtfAction::italic: formats_.change().italic = on; break;
    case RtfAction::underline: formats_.change().underline = on; break;
    case RtfAction::underline_off: formats_.change().underline = false; break;
    case RtfAction::unicode_skip: formats_.change().fallback = qMax(0, param); break;
    case RtfAction::plain: {
        RtfFormat& f = formats_.change();
        f.font = 0;
        f.size = 3;
        f.colour = 0;
        f.bold = f.italic = f.underline = false;
        break;
    }
    case RtfAction::paragraph_defaults: formats_.change().align = -1; break;
    case RtfAction::align_left: formats_.change().align = -1; break;
    case RtfAction::align_centre: formats_.change().align = 0; break;
    case RtfAction::align_right: formats_.change().align = 1; break;
    default: break;
    }
}

// --- Text ---

int RtfConverter::text_code_page() const {
    int charset = font_.charset;
    if (!in_font_table()) {
        const RtfFont* font = fonts_.find(formats_.current().font, default_font_);
        charset = font ? font->charset : -1;
    }
    const int code_page = charset < 0 ? 0 : code_page_of_charset(charset);
    return code_page ? code_page : document_code_page_;
}

void RtfConverter::append_bytes(QByteArrayView bytes) {
    if (skip_depth_ >= 0) return;
    if (fallback_left_ > 0) {
        const qsizetype skipped = qMin<qsizetype>(fallback_left_, bytes.size());
        fallback_left_ -= static_cast<int>(skipped);
        bytes = bytes.sliced(skipped);
    }
    if (in_colour_table()) return colour_table_text(bytes);
    // In the font table ";" ends an entry's name.
    while (!bytes.isEmpty()) {
        const qsizetype semicolon = in_font_table() ? bytes.indexOf(';') : -1;
        decode_text(semicolon < 0 ? bytes : bytes.first(semicolon));
        if (semicolon < 0) return;
        commit_font();
        bytes = bytes.sliced(semicolon + 1);
    }
}

void RtfConverter::decode_text(QByteArrayView bytes) {
    if (bytes.isEmpty()) return;
    drop_lone_surrogate();
    const int code_page = text_code_page();
    if (!CodePages::is_multi_byte(code_page)) return code_pages_.decode(code_page, bytes, text_);
    // A character of a multi-byte code page may come as several "\'hh": its bytes are decoded together.
    if (!pending_bytes_.isEmpty() && pending_code_page_ != code_page) settle_bytes();
    pending_bytes_ += bytes;
    pending_code_page_ = code_page;
}

void RtfConverter::drop_lone_surrogate() {
    if (!high_surrogate_) return;
    high_surrogate_ = 0;
    text_ += QChar(0xFFFD);  // the first half of a character whose second half never came
}

void RtfConverter::settle_bytes() {
    if (pending_bytes_.isEmpty()) return;
    code_pages_.decode(pending_code_page_, pending_bytes_, text_);
    pending_bytes_.clear();
}

void RtfConverter::append_character(char32_t c) {
    if (skip_depth_ >= 0 || in_colour_table()) return;
    settle_bytes();
    drop_lone_surrogate();
    if (c > 0xFFFF) {
        const char16_t pair[2] = {QChar::highSurrogate(c), QChar::lowSurrogate(c)};
        text_ += QStringView(pair, 2);
    } else {
        text_ += QChar(static_cast<char16_t>(c));
    }
}

void RtfConverter::append_unicode(int param) {
    fallback_left_ = formats_.current().fallback;
    const long code = param < 0 ? param + 65536L : param;
    if (code < 0 || code > 0x10FFFF) return;
    if (QChar::isHighSurrogate(static_cast<char32_t>(code))) {
        drop_lone_surrogate();
        high_surrogate_ = static_cast<char16_t>(code);
    } else if (QChar::isLowSurrogate(static_cast<char32_t>(code))) {
        const char16_t high = std::exchange(high_surrogate_, 0);
        if (high) append_character(QChar::surrogateToUcs4(high, static_cast<char16_t>(code)));
    } else {
        append_character(static_cast<char32_t>(code));
    }
}

// Writes the text collected since the last flush, after the formatting changes it needs. Text of spaces
// alone waits for the next.
void RtfConverter::flush_import_text() {
    settle_bytes();
    if (in_table_ && !cell_open_) open_cell();
    if (in_font_table() || !has_visible_text(text_)) return;
    drop_lone_surrogate();
    cell_empty_ = false;
    start_page();
    write_format_changes();
    page_.inline_escaped(text_);
    text_.clear();
}

void RtfConverter::write_format_changes() {
    const RtfFormat& r = formats_.current();
    QString changes;
    if (last_bold_ && !r.bold) changes += QLatin1String("</b>");
    if (last_italic_ && !r.italic) changes += QLatin1String("</i>");
    if (last_underline_ && !r.underline) changes += QLatin1String("</u>");
    const QString attributes = font_attributes(r);
    if (!font_written_ || attributes != last_attributes_) {
        if (font_written_) changes += QLatin1String("</font>");
        changes += QLatin1String("<font ") + attributes.trimmed() + QLatin1Char('>');
        last_attributes_ = attributes;
        font_written_ = true;
    }
    if (!last_bold_ && r.bold) changes += QLatin1String("<b>");
    if (!last_italic_ && r.italic) changes += QLatin1String("<i>");
    if (!last_underline_ && r.underline) changes += QLatin1String("<u>");
    last_bold_ = r.bold;
    last_italic_ = r.italic;
    last_underline_ = r.underline;
    if (r.align != last_align_) {
        last_align_ = r.align;
        if (div_open_) changes += QLatin1String("</div>");
        changes += QLatin1String("<div align=") +
                   (r.align < 0 ? QLatin1String("left") : r.align == 0 ? QLatin1String("center") : QLatin1String("right")) +
                   QLatin1Char('>');
        div_open_ = true;
    }
    page_.inline_text(changes);
}

// " face="NAME" size=N color="#RRGGBB"", the face of the format's font in the table (the default font's,
// or the first's, when the table has no such number).
QString RtfConverter::font_attributes(const RtfFormat& format) const {
    const RtfFont* font = fonts_.find(format.font, default_font_);
    const QString face = font ? font->name.toHtmlEscaped() : QString();
    return QStringLiteral(" face=\"%1\" size=%2 color=\"#%3\"").arg(face).arg(format.size).arg(colour_text(format.colour));
}

// --- Font and colour tables ---

// The entry being read ends: its name is the text collected for it.
void RtfConverter::commit_font() {
    settle_bytes();
    if (font_numbered_ || has_visible_text(text_)) {
        font_.name = text_.trimmed();
        fonts_.add(font_);
    }
    text_.clear();
    font_ = RtfFont{};
    font_numbered_ = false;
}

// Each ";" of the colour table ends an entry: the first, empty one is the automatic colour.
void RtfConverter::colour_table_text(QByteArrayView bytes) {
    for (const char c : bytes) {
        if (c != ';') continue;
        colours_.add(colour_);
        colour_ = 0;
    }
}

// --- Page and tables ---

void RtfConverter::start_page() {
    if (page_started_) return;
    page_started_ = true;
    write_page_start(page_, false);
}

void RtfConverter::open_cell() {
    if (widths_pending_) return;
    ++cell_index_;
    cell_empty_ = true;
    if (cell_index_ > cells_.count()) return;
    start_page();
    page_.line(QStringLiteral("<td width=%1%>").arg(cells_.percent(cell_index_)));
    cell_open_ = true;
}

void RtfConverter::close_cell() {
    if (!cell_open_) return;
    cell_open_ = false;
    if (cell_empty_) page_.inline_text(u"&nbsp;");
    page_.line(u"</td>");
}

// A row's definition again inside the row (as some writers put it before \row) starts no new table.
void RtfConverter::start_row() {
    cells_.clear();
    widths_pending_ = false;
    if (in_table_) return;
    in_table_ = true;
    cell_open_ = false;
    start_page();
    page_.line(u"<table border=1 width=100% cellpadding=0 cellspacing=0>");
    page_.line(u"<tr>");
}

void RtfConverter::end_row() {
    if (!in_table_) return;
    close_cell();
    page_.line(u"</tr></table>");
    in_table_ = false;
}

void RtfConverter::finish() {
    settle_bytes();
    if (in_font_table()) commit_font();
    font_table_depth_ = colour_table_depth_ = skip_depth_ = -1;
    flush_import_text();
    start_page();
    if (div_open_) page_.line(u"</div>");
    write_page_end(page_);
}

}  // namespace tamsel
