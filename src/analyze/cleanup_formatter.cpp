#include "analyze/cleanup_formatter.h"

#include "analyze/javascript_formatter.h"
#include "analyze/line_emitter.h"
#include "analyze/margin_line.h"
#include "analyze/recent_names.h"
#include "analyze/stylesheet_formatter.h"
#include "analyze/token_pipe.h"
#include "analyze/vbscript_formatter.h"
#include "core/markup_text.h"
#include "core/progress_model.h"
#include "settings/config_table.h"
#include "tagdb/tag_database.h"

#include <QHash>

#include <array>

namespace tamsel {
namespace {

enum class Segment { text, style, script };

// Elements whose content the browser shows as it stands: cleanup leaves it alone.
enum class Ending { nested, first_close, never };
struct VerbatimElement {
    QStringView name;
    Ending ending;  // how the content ends: at the matching close, the first close, or the end of the page
};
constexpr std::array<VerbatimElement, 5> verbatim_elements = {{
    {u"PRE",       Ending::nested},
    {u"LISTING",   Ending::nested},
    {u"TEXTAREA",  Ending::first_close},
    {u"XMP",       Ending::first_close},
    {u"PLAINTEXT", Ending::never},
}};

struct TagName {
    QString name;  // upper case, without the "/"; "!" for every comment and declaration
    bool closing = false;
    qsizetype name_end = 0;  // the "<", the name and the blank after it: the part tag_case upper-cases
};

// The name as the scanner finds it: up to the first blank, or up to the last character. Fills out, whose
// name keeps its room from one tag to the next.
void read_tag_name(QStringView tag, TagName& out) {
    const qsizetype blank = first_of(tag, u' ');
    out.name_end = std::max<qsizetype>(0, blank >= 0 ? blank + 1 : tag.size() - 1);
    QStringView name = tag.mid(1, std::max<qsizetype>(0, out.name_end - 1));
    out.closing = name.startsWith(QLatin1Char('/'));
    if (out.closing) name = name.sliced(1);
    name = name.trimmed();
    if (name.startsWith(QLatin1Char('!'))) name = u"!";
    assign_upper(out.name, name);
}

TagName tag_name(QStringView tag) {
    TagName t;
    read_tag_name(tag, t);
    return t;
}

// "<%" and "<?" open a block for the server (or another program) that the page holds as it stands.
bool opens_server_block(QStringView line) {
    return line.size() >= 2 && line[0] == u'<' && (line[1] == u'%' || line[1] == u'?');
}

bool is_ascii_letter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

// The tag with its name upper-cased. Only the name of an element or declaration changes: comments, server
// blocks and attributes keep their case.
// Written into out, which keeps its room from one tag to the next.
void set_upper_name(QString& out, QStringView tag, const TagName& name) {
    out.resize(0);
    out.append(tag);
    qsizetype i = 1;
    if (i < tag.size() && (tag[i] == QLatin1Char('/') || tag[i] == QLatin1Char('!'))) ++i;
    if (i >= tag.size() || !is_ascii_letter(tag[i])) return;
    QChar* const chars = out.data();
    for (qsizetype end = std::min(name.name_end, out.size()); i < end; ++i) {
        const QChar c = chars[i];
        if (!c.isLetterOrNumber() && c != QLatin1Char(':') && c != QLatin1Char('-') && c != QLatin1Char('_') && c != QLatin1Char('.')) break;
        chars[i] = c.unicode() < 0x80 ? QChar(ascii_upper(c.unicode())) : c.toUpper();
    }
}

QString with_upper_name(QStringView tag, const TagName& name) {
    QString out;
    set_upper_name(out, tag, name);
    return out;
}

class CleanupFormatter {
public:
    CleanupFormatter(TokenFeed& tokens, const TagDatabase& db, const ConfigTable& config, QStringView line_end)
        : tokens_(tokens),
          db_(db),
          has_spans_(tokens.spans_fit()),
          tag_case_(config.config_flag(tag_case)),
          out_(config.config_int(level_indent), line_end),
          line_(out_, config.config_int(right_margin)),
          vbscript_(db, config.config_flag(script_break)) {}

    // With a sink the lines go to it in pieces of piece_size characters, and the text returned is empty.
    QString run(ProgressModel* progress, const std::atomic<bool>* stop, LineSink sink, qsizetype piece_size);

private:
    qsizetype format_token(qsizetype i);
    bool is_tag_line(QStringView line) const;
    qsizetype format_tag_token(qsizetype i);
    void format_tag(QStringView tag, const TagName& name, bool page_has_blank);
    void join_line(QStringView markup, bool page_has_blank);
    void enter_segment_of(QStringView tag);
    qsizetype format_verbatim(qsizetype i, const VerbatimElement& element);
    qsizetype verbatim_end(qsizetype i, const VerbatimElement& element) const;
    qsizetype append_server_block(qsizetype i);
    void end_segment();
    void add_text(QStringView text, bool page_has_blank = true, bool end_line = true) {
        line_.add_text(text, page_has_blank, end_line);
    }
    bool blank_before(qsizetype i) const;
    bool runs_on(qsizetype i) const;
    bool after_empty_element(qsizetype i) const;
    void flush_line() { line_.flush(); }

    const TagRecord* record_of(const QString& upper_name) const;
    QString cased(QStringView tag) const { return tag_case_ ? with_upper_name(tag, tag_name(tag)) : tag.toString(); }
    QStringView raw(qsizetype i) const;
    QStringView gap(qsizetype i) const;
    QStringView tag_text(qsizetype i);

    TokenFeed& tokens_;
    const TagDatabase& db_;
    const bool has_spans_;
    const bool tag_case_;
    mutable QHash<QString, const TagRecord*> records_;  // by upper-case name; null for a tag the database lacks
    mutable RecentNames<const TagRecord*> recent_records_;
    TagName current_name_;       // the name of the tag being laid out, kept for its room
    QString upper_tag_;          // the tag being laid out with its name upper-cased
    QString rebuilt_tag_;        // the tag tag_text gave last, when it is not a view of the tokens or page
    mutable TagName next_name_;  // the names runs_on and after_empty_element read, kept for their room
    LineEmitter out_;
    MarginLine line_;  // tags and text waiting on the output line
    qsizetype page_taken_ = 0;  // how much of the page a verbatim piece or server block has written
    Segment segment_ = Segment::text;
    bool javascript_ = true;
    JavaScriptFormatter javascript_formatter_;
    VBScriptFormatter vbscript_;
    StylesheetFormatter stylesheet_;
};

QString CleanupFormatter::run(ProgressModel* progress, const std::atomic<bool>* stop, LineSink sink, qsizetype piece_size) {
    const TokenStream& head = tokens_.head();
    segment_ = head.began_in_script ? Segment::script : head.began_in_style ? Segment::style : Segment::text;
    javascript_ = head.javascript;
    // Indentation and CR LF make the result somewhat longer than the page.
    if (sink) out_.send_to(std::move(sink), piece_size);
    else out_.reserve(tokens_.page().size() + tokens_.page().size() / 4);
    if (progress) progress->open_progress(QStringLiteral("Cleanup"), static_cast<int>(tokens_.count()));
    for (qsizetype i = 0; tokens_.has(i);) {
        if (stop && stop->load(std::memory_order_relaxed)) return {};
        // blank_before and gap look one token back.
        tokens_.release_before(i - 1);
        const qsizetype next = format_token(i);
        if (progress) progress->advance_progress(0, static_cast<int>(next - i));
        i = next;
    }
    end_segment();
    // A tag the page leaves open at its end makes no token, yet it is part of the page.
    if (has_spans_) {
        const qsizetype count = tokens_.count();
        const qsizetype taken = std::max(page_taken_, count > 0 ? tokens_.span(count - 1).end : 0);
        add_text(trimmed_view(QStringView(tokens_.page()).mid(taken)));
    }
    flush_line();
    if (progress) progress->close_progress();
    return out_.take();
}

qsizetype CleanupFormatter::format_token(qsizetype i) {
    const QStringView line = tokens_.line(i);
    if (is_tag_line(line)) return format_tag_token(i);
    switch (segment_) {
    case Segment::text:
        if (after_empty_element(i)) flush_line();
        add_text(line, blank_before(i), !runs_on(i));
        break;
    case Segment::style:
        flush_line();
        // A comment around the sheet comes as one token: its lines go to the sheet one by one.
        for (const QStringView piece : raw(i).tokenize(QLatin1Char('\n'))) stylesheet_.format_line(piece, out_);
        break;
    case Segment::script:
        flush_line();
        if (javascript_) javascript_formatter_.format_line(raw(i), gap(i), out_);
        else vbscript_.format_line(raw(i), out_);
        break;
    }
    return i + 1;
}

// In a script only the end of the block is a tag: a script line may well begin with "<".
bool CleanupFormatter::is_tag_line(QStringView line) const {
    if (!line.startsWith(QLatin1Char('<'))) return false;
    switch (segment_) {
    case Segment::text:
        return true;
    case Segment::style:
        return !begins_with(line, QLatin1StringView("<!"));
    case Segment::script:
        return starts_with_ci(line, QLatin1StringView("</SCRIPT"));
    }
    return true;
}

qsizetype CleanupFormatter::format_tag_token(qsizetype i) {
    end_segment();
    const QStringView line = tokens_.line(i);
    if (has_spans_ && opens_server_block(line)) return append_server_block(i);
    const QStringView tag = tag_text(i);
    TagName& name = current_name_;
    read_tag_name(tag, name);
    if (!name.closing)
        for (const VerbatimElement& element : verbatim_elements)
            if (name.name == element.name) return format_verbatim(i, element);
    format_tag(tag, name, blank_before(i));
    return i + 1;
}

void CleanupFormatter::format_tag(QStringView tag, const TagName& name, bool page_has_blank) {
    enter_segment_of(tag);
    if (tag_case_) set_upper_name(upper_tag_, tag, name);
    const QStringView text = tag_case_ ? QStringView(upper_tag_) : tag;
    // A tag the database does not know lays out with every flag off.
    static const TagRecord unknown_tag;
    const TagRecord* known = record_of(name.name);
    const TagRecord& record = known ? *known : unknown_tag;
    if (name.closing ? record.break_before_close : record.break_before_open) {
        flush_line();
        line_.append(text);
        if (name.closing && record.indent) out_.close_level();
    } else {
        join_line(text, page_has_blank);
    }
    if (name.closing ? record.break_after_close : record.break_after_open) {
        flush_line();
        // "<div/>" holds nothing to indent.
        if (!name.closing && record.indent && !closes_itself(tag)) out_.open_level();
    }
}

void CleanupFormatter::enter_segment_of(QStringView tag) {
    segment_ = Segment::text;
    if (closes_itself(tag)) return;  // "<script src=a.js/>" holds no script, as the scanner reads it
    if (starts_with_ci(tag, QLatin1StringView("<STYLE"))) {
        segment_ = Segment::style;
    } else if (starts_with_ci(tag, QLatin1StringView("<SCRIPT"))) {
        segment_ = Segment::script;
        javascript_ = !tag.contains(u"VB", Qt::CaseInsensitive);
    }
}

// The element from its opening to its closing tag on lines of its own, its content as the page has it.
qsizetype CleanupFormatter::format_verbatim(qsizetype i, const VerbatimElement& element) {
    const qsizetype end = verbatim_end(i, element);
    const bool closed = tokens_.has(end);
    QString piece = cased(tag_text(i));
    if (has_spans_) {
        const qsizetype from = tokens_.span(i).end;
        const qsizetype to = closed ? tokens_.span(end).begin : tokens_.page().size();
        piece.append(QStringView(tokens_.page()).mid(from, to - from));
        page_taken_ = to;
    } else {
        for (qsizetype k = i + 1; k < end; ++k) {  // as near as lines allow
            if (k > i + 1) piece.append(QLatin1Char('\n'));
            piece.append(tokens_.line(k));
        }
    }
    if (closed) piece.append(cased(tag_text(end)));
    segment_ = Segment::text;
    flush_line();
    out_.write_line(piece);
    return closed ? end + 1 : end;
}

// The index of the tag that closes the element opened at i, or the count of tokens when nothing closes it.
qsizetype CleanupFormatter::verbatim_end(qsizetype i, const VerbatimElement& element) const {
    qsizetype k = i + 1;
    if (element.ending == Ending::never) {
        while (tokens_.has(k)) ++k;
        return k;
    }
    int depth = 0;
    TagName t;
    for (; tokens_.has(k); ++k) {
        const QStringView line = tokens_.line(k);
        if (!line.startsWith(QLatin1Char('<'))) continue;
        read_tag_name(line, t);
        if (t.name != element.name) continue;
        if (!t.closing) {
            if (element.ending == Ending::nested) ++depth;
        } else if (depth-- == 0) {
            return k;
        }
    }
    return k;
}

// A server block from its "<%" (or "<?") to the first "%>" (or "?>") of the page, as the page has it: the
// scanner may have cut it at a ">" inside. Stays on the output line like a tag without breaks.
qsizetype CleanupFormatter::append_server_block(qsizetype i) {
    const QString& page = tokens_.page();
    const qsizetype begin = tokens_.span(i).begin;
    const QStringView mark = page.mid(begin + 1, 1) == u"%" ? u"%>" : u"?>";
    const qsizetype close = page.indexOf(mark, begin + 2);
    const qsizetype end = close < 0 ? page.size() : close + 2;
    qsizetype next = i + 1;
    while (tokens_.has(next) && tokens_.span(next).begin < end) ++next;
    segment_ = Segment::text;
    join_line(QStringView(page).mid(begin, end - begin), blank_before(i));
    page_taken_ = end;
    // The text after the "%>" on the last line the block took.
    const qsizetype taken_end = tokens_.span(next - 1).end;
    if (taken_end > end) {
        const QStringView rest = QStringView(page).mid(end, taken_end - end);
        add_text(trimmed_view(rest), is_space(rest.front()));
    }
    return next;
}

// Markup that stays on the output line. Where the page has a blank before it, a line break stands in for
// the blank: two inline elements the page keeps apart stay apart.
void CleanupFormatter::join_line(QStringView markup, bool page_has_blank) {
    if (page_has_blank && !line_.empty()) flush_line();
    line_.append(markup);
}

// A tag ends the script or style segment: what its formatter holds is written first.
void CleanupFormatter::end_segment() {
    stylesheet_.flush(out_);
    javascript_formatter_.finish(out_);
}

bool CleanupFormatter::blank_before(qsizetype i) const {
    return has_spans_ && i > 0 && tokens_.span(i).begin > tokens_.span(i - 1).end;
}

// Whether the text at i follows an element without content (an image, a form control) with a blank between
// them in the page. That blank keeps the two apart, and a line break stands in for it; the blank after any
// other tag may go, as the line break that ends the text before the tag separates just as well.
bool CleanupFormatter::after_empty_element(qsizetype i) const {
    if (!blank_before(i) || !tokens_.line(i - 1).startsWith(QLatin1Char('<'))) return false;
    TagName& name = next_name_;
    read_tag_name(tokens_.line(i - 1), name);
    if (name.closing || name.name == u"!") return false;
    const TagRecord* record = record_of(name.name);
    return record && !record->is_container();
}

// Whether the text at i runs straight on, through inline tags and with no blank on the way, into more text
// or a server block's output ("H<SUB>2</SUB>O", "0<%= n %>.07"): a line break after it would show as a
// blank the page does not have. Where the page has a blank on the way, or a tag breaks the line anyway, a
// line break only stands in for what the page has.
bool CleanupFormatter::runs_on(qsizetype i) const {
    if (!has_spans_) return false;
    for (qsizetype k = i + 1; tokens_.has(k) && !blank_before(k); ++k) {
        const QStringView line = tokens_.line(k);
        if (!line.startsWith(QLatin1Char('<')) || opens_server_block(line)) return true;
        TagName& name = next_name_;
        read_tag_name(line, name);
        if (name.name == u"SCRIPT" || name.name == u"STYLE") return false;
        for (const VerbatimElement& element : verbatim_elements)
            if (name.name == element.name) return false;
        const TagRecord* record = record_of(name.name);
        if (!record) continue;
        const TagRecord& r = *record;
        if (name.closing ? (r.break_before_close || r.break_after_close) : (r.break_before_open || r.break_after_open))
            return false;
    }
    return false;
}

const TagRecord* CleanupFormatter::record_of(const QString& upper_name) const {
    if (const TagRecord* const* recent = recent_records_.find(upper_name)) return *recent;
    auto found = records_.constFind(upper_name);
    if (found == records_.constEnd()) {
        const int index = db_.lookup_tag(upper_name);
        found = records_.insert(upper_name, index >= 0 ? &db_.tags()[index] : nullptr);
    }
    recent_records_.remember(upper_name, *found);
    return *found;
}

QStringView CleanupFormatter::raw(qsizetype i) const {
    if (!has_spans_) return tokens_.line(i);
    const TokenSpan& s = tokens_.span(i);
    return QStringView(tokens_.page()).mid(s.begin, s.end - s.begin);
}

QStringView CleanupFormatter::gap(qsizetype i) const {
    if (!has_spans_ || i == 0) return u"\n";
    const qsizetype from = tokens_.span(i - 1).end;
    return QStringView(tokens_.page()).mid(from, tokens_.span(i).begin - from);
}

// The tag as the scanner made it, except that a quoted value running over lines keeps its line breaks: an
// event handler's statements may rest on them. A comment stands as the page has it.
QStringView CleanupFormatter::tag_text(qsizetype i) {
    const QStringView page_tag = raw(i);
    if (has_spans_ && begins_with(page_tag, QLatin1StringView("<!--"))) return page_tag;
    if (!has_spans_ || first_of(page_tag, u'\n') < 0) return tokens_.line(i);
    QString out;
    QChar quote;
    bool kept_break = false;
    for (qsizetype k = 0; k < page_tag.size();) {
        const QChar c = page_tag[k];
        if (!quote.isNull() || !is_space(c)) {
            if (!quote.isNull() && c == quote) quote = QChar();
            else if (quote.isNull() && (c == QLatin1Char('"') || c == QLatin1Char('\''))) quote = c;
            if (!quote.isNull() && c == QLatin1Char('\n')) kept_break = true;
            out.append(c);
            ++k;
            continue;
        }
        qsizetype end = k;
        bool line_break = false;
        for (; end < page_tag.size() && is_space(page_tag[end]); ++end)
            line_break = line_break || page_tag[end] == QLatin1Char('\n') || page_tag[end] == QLatin1Char('\r');
        out.append(line_break ? QStringLiteral(" ") : page_tag.mid(k, end - k).toString().replace(QLatin1Char('\t'), QLatin1Char(' ')));
        k = end;
    }
    if (!kept_break) return tokens_.line(i);
    while (out.endsWith(u" >")) out.remove(out.size() - 2, 1);
    rebuilt_tag_ = std::move(out);
    return rebuilt_tag_;
}

}  // namespace

QString format_page(const TokenStream& tokens, const TagDatabase& db, const ConfigTable& config, ProgressModel* progress,
                    QStringView line_end) {
    TokenFeed feed(tokens);
    return CleanupFormatter(feed, db, config, line_end).run(progress, nullptr, {}, 0);
}

void format_piped_page(TokenPipe& pipe, const TagDatabase& db, const ConfigTable& config, QStringView line_end,
                       LineSink sink, const std::atomic<bool>* stop, qsizetype piece_size) {
    TokenFeed feed(pipe);
    CleanupFormatter(feed, db, config, line_end).run(nullptr, stop, std::move(sink), piece_size);
}

}  // namespace tamsel
