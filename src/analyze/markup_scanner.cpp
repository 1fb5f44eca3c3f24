#include "analyze/markup_scanner.h"

#include "core/markup_text.h"
#include "analyze/page_links.h"
#include "core/document_kinds.h"
#include "core/progress_model.h"
#include "platform/file_names.h"
#include "platform/text_codec.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_reader.h"

#include <utility>


namespace tamsel {
namespace {

enum class PageKind { html, vbscript, javascript, stylesheet, text };

// The characters that may change the scanner's state, outside a tag and inside one.
constexpr std::array<bool, 128> stops_of(std::u16string_view characters) {
    std::array<bool, 128> stops{};
    for (const char16_t c : characters) stops[c] = true;
    return stops;
}
constexpr std::array<bool, 128> text_stops = stops_of(u"<>\t");
constexpr std::array<bool, 128> tag_stops = stops_of(u"<>\t\"'");

// The kind of a page by the type its name gives a document.
PageKind page_kind(const QString& path) {
    switch (document_type(path)) {
    case doc_html: return PageKind::html;
    case doc_vbscript: return PageKind::vbscript;
    case doc_javascript: return PageKind::javascript;
    case doc_css: return PageKind::stylesheet;
    default: return PageKind::text;
    }
}

// A start tag that closes itself reads without its "/".
QString without_self_closing_slash(const QString& tag) {
    if (!closes_itself(tag)) return tag;
    QString out = tag.chopped(2);
    while (out.endsWith(QLatin1Char(' '))) out.chop(1);
    return out + QLatin1Char('>');
}

// Whether a comment, processing instruction or CDATA section has yet to reach its closing mark: the markup
// and the ">" it holds are not read as tags.
bool unfinished_section(const QString& tag) {
    if (tag.size() < 2 || (tag[1] != u'!' && tag[1] != u'?')) return false;
    const auto open = [&tag](QLatin1StringView start, QLatin1StringView end) {
        return begins_with(tag, start) && (tag.size() < start.size() + end.size() || !tag.endsWith(end));
    };
    return open(QLatin1StringView("<!--"), QLatin1StringView("-->")) || open(QLatin1StringView("<?"), QLatin1StringView("?>")) ||
           open(QLatin1StringView("<![CDATA["), QLatin1StringView("]]>"));
}

// Whether the last character of text other than a blank is "=": a quote there opens a value.
bool ends_with_equals(QStringView text) {
    qsizetype i = text.size() - 1;
    while (i >= 0 && is_markup_blank(text[i])) --i;
    return i >= 0 && text[i] == u'=';
}

// Sets name to the name of a tag, upper-cased, without the "/" of a closing tag; "!" for comments and
// declarations.
void tag_name(QStringView tag, QString& name) {
    const qsizetype blank = first_of(tag, u' ');
    QStringView part = trim_blanks(tag.sliced(1, (blank < 0 ? tag.size() - 1 : blank) - 1));
    if (part.startsWith(u'/')) part = trim_blanks(part.sliced(1));
    if (part.startsWith(u'!')) part = part.first(1);
    assign_upper(name, part);
}

// A SUB or FUNCTION header of a script line ("FUNCTION NAME"), or empty.
QString procedure_header(QStringView line) {
    QStringView text = line;
    if (starts_with_ci(text, QLatin1StringView("PUBLIC "))) text = trim_blanks(text.sliced(7));
    if (starts_with_ci(text, QLatin1StringView("PRIVATE "))) text = trim_blanks(text.sliced(8));
    if (!starts_with_ci(text, QLatin1StringView("SUB ")) && !starts_with_ci(text, QLatin1StringView("FUNCTION ")))
        return {};
    const qsizetype paren = text.indexOf(u'(');
    return trimmed_blanks(paren < 0 ? text : text.first(paren)).toUpper();
}

}  // namespace

MarkupScanner::MarkupScanner(const TagDatabase& db, ResultList& results, MetaSlots& metas, AnalyzeMode mode)
    : db_(db), results_(results), metas_(metas), mode_(mode), reporter_(results),
      tag_checker_(db, tag_list_, reporter_), text_checker_(db.entities(), reporter_) {}

bool MarkupScanner::scan_file(const QString& path, const QString& document) {
    if (mode_ == AnalyzeMode::count) {
        ++files_counted_;
        return true;
    }
    qint64 bytes = 0;
    const std::optional<DecodedText> decoded = read_document(path, &bytes);
    if (!decoded) return false;
    scan_text(decoded->text, bytes, path, document);
    return true;
}

void MarkupScanner::scan_text(const QString& text, qint64 bytes, const QString& path, const QString& document) {
    start_file(path, document);
    if (mode_ == AnalyzeMode::cleanup) {
        tokens_.page = text;
        // Room for a token every few characters, so that the lists are not copied as they grow on a big
        // page: memory that is reserved and never used costs nothing.
        tokens_.spans.reserve(pipe_ ? pipe_->chunk_size() : text.size() / 8 + 16);
    }
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\n' && all[end] != u'\r') ++end;
        scan_line(all.sliced(start, end - start), start);
        if (end + 1 < all.size() && all[end] == u'\r' && all[end + 1] == u'\n') ++end;
        start = end + 1;
    }
    finish_file(bytes);
}

void MarkupScanner::start_file(const QString& path, const QString& document) {
    reporter_.file = path;
    reporter_.line = 0;
    link_owner_ = document.isEmpty() ? path : document;
    text_buffer_.clear();
    tag_buffer_.clear();
    title_text_.clear();
    tag_list_.clear();
    text_checker_.end_text_run();
    foreign_.clear();
    tokens_ = TokenStream{};
    script_counts_ = {};
    metas_.clear_slots();
    in_tag_ = in_title_ = false;
    text_first_ = -1;
    const PageKind kind = page_kind(link_owner_);
    in_script_ = tokens_.began_in_script = kind == PageKind::javascript || kind == PageKind::vbscript;
    javascript_ = tokens_.javascript = kind != PageKind::vbscript;
    in_style_ = tokens_.began_in_style = kind == PageKind::stylesheet;
}

void MarkupScanner::scan_line(QStringView raw, qsizetype offset) {
    if (progress_) progress_->advance_progress(progress_slot_, static_cast<int>(raw.size()) + 2);
    ++reporter_.line;
    if (collect_links) collect_link(raw);

    // A text, tag or title running over several lines reads as if each line end were one blank.
    if (!text_buffer_.isEmpty() && !text_buffer_.endsWith(QLatin1Char(' '))) text_buffer_ += QLatin1Char(' ');
    if (!tag_buffer_.isEmpty() && tag_buffer_ != QLatin1String("<")) {
        while (!tag_buffer_.isEmpty() && is_markup_blank(tag_buffer_.back())) tag_buffer_.chop(1);
        tag_buffer_ += QLatin1Char(' ');
    }
    if (in_title_ && !title_text_.isEmpty() && !title_text_.endsWith(QLatin1Char(' '))) title_text_ += QLatin1Char(' ');

    const QStringView line = trim_blanks(raw);
    line_offset_ = offset + (line.data() - raw.data());
    next_quote_ = {-1, -1};
    qsizetype i = 0;
    while (i < line.size()) {
        // A run of characters other than "<", ">", TAB and (in a tag) quotes changes no state: it goes to its
        // buffer at once.
        const std::array<bool, 128>& stops = in_tag_ ? tag_stops : text_stops;
        qsizetype end = i;
        for (char16_t c; end < line.size() && ((c = line[end].unicode()) >= 128 || !stops[c]);) ++end;
        if (end == i) {
            scan_character(line, i++);
            continue;
        }
        const QStringView run = line.sliced(i, end - i);
        if (mode_ == AnalyzeMode::help_check && in_title_) title_text_ += run;
        if (in_tag_) tag_buffer_ += run;
        else note_text(run, line_offset_ + i);
        i = end;
    }
    flush_text();
}

void MarkupScanner::scan_character(QStringView line, qsizetype i) {
    const QChar c = line[i] == u'\t' ? QChar(u' ') : line[i];
    if (mode_ == AnalyzeMode::help_check && in_title_) title_text_ += c;
    if (c == u'<' && in_script_ && has_at(line, i, QLatin1StringView("</SCRIPT"))) {
        flush_text();
        in_script_ = false;
    }
    if (c == u'<' && in_style_ && has_at(line, i, QLatin1StringView("</STYLE"))) {
        flush_text();
        in_style_ = false;
    }
    if (c == u'<' && !in_script_ && !in_tag_ && (i + 1 >= line.size() || !is_markup_blank(line[i + 1]))) {
        flush_text();
        in_tag_ = true;
        value_quote_ = QChar();
    }
    if (!in_tag_) {
        note_text(QStringView(&c, 1), line_offset_ + i);
        return;
    }
    if (tag_buffer_.isEmpty()) tag_begin_ = line_offset_ + i;
    if ((c == u'"' || c == u'\'') && reads_attributes()) {
        if (value_quote_.isNull() && ends_with_equals(tag_buffer_)) value_quote_ = c;
        else if (c == value_quote_) value_quote_ = QChar();
    }
    tag_buffer_ += c;
    if (c != u'>') return;
    // A ">" inside a quoted value belongs to it when the value closes on this line; otherwise the quote is
    // left open by mistake and the tag ends here, so the rest of the page is still read as markup.
    if (!value_quote_.isNull() && next_quote(line, i + 1, value_quote_) < line.size()) return;
    tag_end_ = line_offset_ + i + 1;
    if (!unfinished_section(tag_buffer_)) end_tag();
}

// Quotes delimit values in tags with attributes; in comments, declarations and processing instructions they
// are free text.
bool MarkupScanner::reads_attributes() const {
    return !begins_with(tag_buffer_, QLatin1StringView("<!")) && !begins_with(tag_buffer_, QLatin1StringView("<?"));
}

// The position of the first quote at or after from in line, or the line's size; remembered per kind while it
// stays ahead, so the quotes of a line are searched for once.
qsizetype MarkupScanner::next_quote(QStringView line, qsizetype from, QChar quote) {
    qsizetype& cached = next_quote_[quote == u'"' ? 0 : 1];
    if (cached < from) {
        cached = line.indexOf(quote, from);
        if (cached < 0) cached = line.size();
    }
    return cached;
}

// Appends text and keeps the page positions of its first and last non-blank character.
void MarkupScanner::note_text(QStringView run, qsizetype at) {
    text_buffer_ += run;
    const QStringView core = trim_blanks(run);
    if (core.isEmpty()) return;
    const qsizetype first = at + (core.data() - run.data());
    if (text_first_ < 0) text_first_ = first;
    text_end_ = first + core.size();
}

void MarkupScanner::end_tag() {
    // The copies of the tag go out of use before the buffer is emptied, so it keeps its storage.
    end_tag_pieces();
    tag_buffer_.truncate(0);
    in_tag_ = false;
}

void MarkupScanner::end_tag_pieces() {
    QString tag = tag_buffer_;
    const auto blank_before_end = [](QStringView t) { return t.size() >= 2 && t.back() == u'>' && t[t.size() - 2] == u' '; };
    while (blank_before_end(tag)) tag.remove(tag.size() - 2, 1);
    const QString bare = without_self_closing_slash(tag);
    // "<script src=a.js/>" is complete: no script follows it.
    const bool self_closed = bare.size() != tag.size();
    if (!self_closed && starts_with_ci(tag_buffer_, QLatin1StringView("<SCRIPT"))) {
        in_script_ = true;
        javascript_ = !contains_ci(tag_buffer_, QLatin1StringView("VB"));
    } else if (starts_with_ci(tag_buffer_, QLatin1StringView("</SCRIPT"))) {
        flush_text();
        in_script_ = false;
    }
    if (!self_closed && starts_with_ci(tag_buffer_, QLatin1StringView("<STYLE"))) {
        in_style_ = true;
    } else if (starts_with_ci(tag_buffer_, QLatin1StringView("</STYLE"))) {
        flush_text();
        in_style_ = false;
    }
    process_tag(tag, bare, self_closed);
}

void MarkupScanner::flush_text() {
    if (text_buffer_.isEmpty()) return;
    const QStringView chunk = script_file ? QStringView() : trim_blanks(text_buffer_);
    const TokenSpan span{text_first_, text_end_};
    text_first_ = -1;
    if (!chunk.isEmpty()) {
        if (mode_ == AnalyzeMode::cleanup) write_token(chunk, span);
        if (in_script_) flush_script_line(chunk);
        else if (!in_style_) text_checker_.check_text(chunk);
    }
    text_buffer_.truncate(0);
}

void MarkupScanner::flush_script_line(QStringView line) {
    ScriptCount& count = script_counts_[javascript_ ? javascript : vbscript];
    count.lines += 1;
    count.characters += line.size() + 2;
    const QString header = procedure_header(line);
    if (!header.isEmpty())
        results_.add_result(reporter_.file, javascript_ ? record_js_function : record_vb_procedure, 0, header, {});
}

// tag is the tag as the token stream has it, bare the same without the "/" of a tag that closes itself.
void MarkupScanner::process_tag(const QString& tag, const QString& bare, bool self_closed) {
    text_checker_.end_text_run();
    // A processing instruction ("<?xml ...?>") is for the program reading the page, not HTML.
    const bool instruction = begins_with(tag, QLatin1StringView("<?"));
    QString& name = name_;
    if (instruction) name.truncate(0);
    else tag_name(bare, name);
    const bool closing = begins_with(bare, QLatin1StringView("</"));
    bool html = true;
    if (!instruction && name != QLatin1String("!")) {
        const bool html_open = closing && foreign_.inside() && tag_list_.is_open(QLatin1Char('<') + name + QLatin1Char('>'));
        html = foreign_.is_html(name, closing, self_closed, bare, html_open);
    }
    if (mode_ == AnalyzeMode::help_check && html) {
        if (starts_with_ci(tag_buffer_, QLatin1StringView("<TITLE"))) in_title_ = !self_closed;
        else if (starts_with_ci(tag_buffer_, QLatin1StringView("</TITLE"))) in_title_ = false;
        else if (starts_with_ci(tag_buffer_, QLatin1StringView("<META "))) {
            QString meta = tag_buffer_;
            parse_meta_tag(meta, true, metas_);
        }
    }
    if (!script_file) {
        write_token(tag, {tag_begin_, tag_end_});
        if (!html)
            tag_checker_.check_foreign_tag(bare);
        else if (!instruction && !name.contains(QLatin1Char('-')))  // a custom element ("my-widget") is nobody's entry
            tag_checker_.check_tag(bare, name, self_closed);
    }
}

void MarkupScanner::collect_link(QStringView raw) {
    const LineLink found = find_line_link(raw);
    if (mode_ == AnalyzeMode::help_check && found.named_target) reporter_.report_problem(105);
    if (!found.link.isEmpty())
        results_.add_path_result(link_owner_, record_link, 2, resolve_link(link_owner_, found.link));
}

void MarkupScanner::finish_file(qint64 bytes) {
    flush_text();
    const QString& file = reporter_.file;
    results_.add_result(file, record_file_size, 0, QString::number(reporter_.line), QString::number(bytes));
    for (const auto& [kind, index] : {std::pair{record_javascript, javascript}, std::pair{record_vbscript, vbscript}})
        results_.add_result(file, kind, 0, QString::number(script_counts_[index].lines),
                            QString::number(script_counts_[index].characters));
    tag_list_.analyse_pairs(reporter_);
    tokens_.ended_in_script = in_script_;
    tokens_.ended_in_style = in_style_;
    if (pipe_ && mode_ == AnalyzeMode::cleanup) pipe_->close(std::exchange(tokens_, TokenStream{}));
    // A script walked with the pages has no title, keywords or description to give a help project.
    if (mode_ == AnalyzeMode::help_check && !script_file) finish_help_check();
}

void MarkupScanner::finish_help_check() {
    const QStringView title_text(title_text_);
    const qsizetype tag_start = title_text.indexOf(u'<');
    metas_.meta_names[meta_title] = QStringLiteral("title");
    metas_.meta_slots[meta_title] = trimmed_blanks(tag_start < 0 ? title_text : title_text.first(tag_start));
    for (const int slot : {meta_title, meta_keywords, meta_description}) {
        if (!metas_.meta_slots[slot].isEmpty()) continue;
        reporter_.report_problem_at(whole_file_line, 200 + slot);
        if (slot == meta_title) metas_.meta_slots[slot] = file_name_part(reporter_.file);
        if (slot == meta_description) metas_.meta_slots[slot] = QStringLiteral("99$Other");
    }
    const QString& title = metas_.meta_slots[meta_title];
    const QString& keywords = metas_.meta_slots[meta_keywords];
    if (!keywords.isEmpty()) {
        QStringList pieces = keywords.split(QLatin1Char(','));
        for (const QString& keyword : pieces)
            results_.add_result(reporter_.file, record_help_keyword, 2, trimmed_blanks(keyword), title);
    }
    results_.add_result(reporter_.file, record_help_description, 2, metas_.meta_slots[meta_description], title);
}

void MarkupScanner::write_token(QStringView token, TokenSpan span) {
    if (mode_ != AnalyzeMode::cleanup) return;
    // A tag or text over several lines, a tag whose blanks the scanner closed up, has a text of its own.
    const bool as_in_page = QStringView(tokens_.page).mid(span.begin, span.end - span.begin) == token;
    tokens_.append(span, as_in_page ? QStringView() : token);
    if (pipe_ && tokens_.spans.size() == pipe_->chunk_size()) {
        TokenStream next = pipe_->empty_chunk();
        next.page = tokens_.page;
        next.began_in_script = tokens_.began_in_script;
        next.began_in_style = tokens_.began_in_style;
        next.javascript = tokens_.javascript;
        pipe_->put(std::exchange(tokens_, std::move(next)));
    }
}

}  // namespace tamsel
