#include "platform/scintilla_editor_widget.h"

#include <QEvent>
#include <QFontDatabase>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tamsel {
namespace {

using Sci = QsciScintillaBase;
constexpr unsigned long utf16_index = Sci::SC_LINECHARACTERINDEX_UTF16;
constexpr int max_style = 255;
// Styles 32 to 39 are the control's own (default, line numbers, braces, ...).
constexpr int first_reserved_style = Sci::STYLE_DEFAULT;
constexpr int last_reserved_style = 39;

// The control's text range for SCI_GETSTYLEDTEXT.
struct StyledRange {
    long min;
    long max;
    char* text;
};

// UTF-16 code units of the UTF-8 sequence that begins with lead.
int utf16_units(unsigned char lead) { return lead >= 0xF0 ? 2 : 1; }
int utf8_length(unsigned char lead) { return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

// Walks the bytes of a stretch of the document forward, from its begin to its end, keeping the character
// position and the byte position in step. Positions are the document's.
class Cursor {
public:
    // stretch holds the document's bytes from begin to end; the walk starts at byte, character ch.
    Cursor(const char* stretch, long begin, long end, long byte, qsizetype ch)
        : bytes_(stretch), begin_(begin), end_(end), ch_(ch), byte_(byte) {}
    long byte_of(qsizetype target) {
        while (ch_ < target && byte_ < end_) step();
        return std::min(byte_, end_);
    }
    qsizetype char_of(long target) {
        while (byte_ < target && byte_ < end_) step();
        return ch_;
    }

private:
    void step() {
        const auto lead = static_cast<unsigned char>(bytes_[byte_ - begin_]);
        ch_ += utf16_units(lead);
        byte_ += utf8_length(lead);
    }

    const char* bytes_;
    long begin_;
    long end_;
    qsizetype ch_;
    long byte_;
};

}  // namespace

// A document of the control; it lives as long as its owner does, shown or not. It holds one reference to
// the control's document, the control another while showing it. (QsciDocument adds a reference each time
// a document it shows is put aside, and never takes it back: a page shown twice would never be freed.)
class ScintillaText : public DocumentText {
public:
    explicit ScintillaText(ScintillaEditorWidget& host) : host(host) {}
    ~ScintillaText() override {
        if (document) host.SendScintilla(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0UL, document);
    }
    ScintillaEditorWidget& host;
    void* document = nullptr;  // made when first shown
};

ScintillaEditorWidget::ScintillaEditorWidget(QWidget* parent) : QsciScintilla(parent) {
    prepare_document();
    setWrapMode(WrapNone);
    // The horizontal scroll bar follows the longest line shown instead of a fixed width.
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    listen_for_changes();
    follow_caret();
    colour_of_style_.append(0);
    style_of_colour_.insert(0, 0);
    set_font_size(font_points_);
}

// QsciScintilla's own caret report gives the column by counting from the start of the line, on every
// move: on a long line that is the whole text for each key. The caret is followed here instead, and its
// line and column are asked for only where they are shown.
void ScintillaEditorWidget::follow_caret() {
    disconnect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) {
        const long byte = SendScintilla(SCI_GETCURRENTPOS);
        if (byte == caret_byte_) return;
        caret_byte_ = byte;
        Q_EMIT caret_moved();
    });
}

// The control lays out a changed line whole, measuring each stretch of one colour, and keeps the widths of
// short stretches, which a long minified line repeats by the thousand ("<TD>", "HREF="): with room for all
// of them a key on a 10 MB line costs a quarter of what it does with the control's 1024. The room follows
// the longest line loaded (an entry for every 8 bytes, 16 bytes an entry), and is kept for the other pages
// open: pages of short lines keep the small cache.
void ScintillaEditorWidget::fit_position_cache() {
    constexpr long fewest = 1024;
    constexpr long most = 1L << 20;
    long longest = 0;
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    for (long line = 0, start = 0; line < lines && longest < most * 8; ++line) {
        const long next = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
        const long end = next < 0 ? SendScintilla(SCI_GETLENGTH) : next;
        longest = std::max(longest, end - start);
        start = end;
    }
    long entries = fewest;
    while (entries < most && entries * 8 < longest) entries *= 2;
    if (entries <= position_cache_) return;
    position_cache_ = entries;
    SendScintilla(SCI_SETPOSITIONCACHE, static_cast<unsigned long>(entries));
}

qsizetype ScintillaEditorWidget::caret() const { return to_char(SendScintilla(SCI_GETCURRENTPOS)); }

void ScintillaEditorWidget::prepare_document() {
    setUtf8(true);
    if ((SendScintilla(SCI_GETLINECHARACTERINDEX) & utf16_index) == 0)
        SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, utf16_index);
}

std::unique_ptr<DocumentText> ScintillaEditorWidget::new_text() { return std::make_unique<ScintillaText>(*this); }

void ScintillaEditorWidget::show_text(DocumentText* text) {
    known_ = {};
    caret_byte_ = -1;
    // A text shown for the first time, or none, gets a fresh, empty document of the control.
    auto* shown = static_cast<ScintillaText*>(text);
    SendScintilla(SCI_SETDOCPOINTER, 0UL, shown ? shown->document : nullptr);
    if (shown && !shown->document) {
        shown->document = SendScintillaPtrResult(SCI_GETDOCPOINTER);
        SendScintilla(SCI_ADDREFDOCUMENT, 0UL, shown->document);
    }
    prepare_document();
}

QString ScintillaEditorWidget::text() const {
    const long total = SendScintilla(SCI_GETLENGTH);
    return decode_utf8(QByteArrayView(reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER)), total));
}

// The index of line starts has one entry past the last line: the length, without counting a long last line.
qsizetype ScintillaEditorWidget::length() const {
    return SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(SendScintilla(SCI_GETLINECOUNT)), utf16_index);
}

void ScintillaEditorWidget::set_text(const QString& text) {
    // QsciScintilla::setText forgets the undo history; the control's own messages keep it, as one step.
    // The text goes in with its length: a NUL character in it does not end it.
    const QByteArray bytes = text.toUtf8();
    beginUndoAction();
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    endUndoAction();
    SendScintilla(SCI_GOTOPOS, 0L);
    report_edits();
}

QString ScintillaEditorWidget::text_range(qsizetype start, qsizetype length) const {
    const long from = to_byte(start);
    const long to = to_byte(start + std::max<qsizetype>(length, 0));
    if (to <= from) return {};
    // The document's bytes in place, without the copy SCI_GETTEXTRANGE makes.
    return decode_utf8(QByteArrayView(range_pointer(from, to), to - from));
}

// Nothing to undo is recorded while a file goes in: the control would keep a second copy of the text for
// it. The caret goes to the start while the text is empty: showing the caret lays its line out, and a line
// of megabytes takes seconds to lay out; once the colours are on it is soon enough.
void ScintillaEditorWidget::begin_loading() {
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_GOTOPOS, 0L);
}

void ScintillaEditorWidget::end_loading() {
    SendScintilla(SCI_SETEMPTYSELECTION, 0UL);
    fit_position_cache();
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    report_edits();
}

// The bytes go in at once, into room made for them and for some typing after them: room made to the byte
// would be made again, text and colours copied whole, at the first key.
void ScintillaEditorWidget::set_loaded_utf8(QByteArray bytes) {
    begin_loading();
    const qsizetype room = bytes.size() + std::min<qsizetype>(bytes.size() / 8, 1 << 20) + 4096;
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(room));
    SendScintilla(SCI_ADDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    bytes = QByteArray();
    end_loading();
}

void ScintillaEditorWidget::set_loaded_text(QString text) {
    // The text goes in a piece at a time from its end, each piece cut off the text once it is in: what the
    // control takes (a byte of text and one of colour a character) the text gives back, so the two are
    // never both whole. The room is not made beforehand: the control zero-fills it, which makes all of it
    // resident.
    constexpr qsizetype piece = qsizetype(1) << 22;
    begin_loading();
    for (qsizetype end = text.size(); end > 0;) {
        qsizetype at = std::max<qsizetype>(0, end - piece);
        if (at > 0 && text[at].isLowSurrogate()) --at;  // a pair stays whole
        const QByteArray bytes = QStringView(text).sliced(at, end - at).toUtf8();
        SendScintilla(SCI_SETEMPTYSELECTION, 0UL);  // a NUL byte is text too: added with its length
        SendScintilla(SCI_ADDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
        text.truncate(at);
        text.squeeze();
        end = at;
    }
    end_loading();
}

// The byte position units UTF-16 code units away from the byte position from (back for negative units),
// over whole characters: a position inside a pair of units is the pair's start, one past the text is its
// end. Only the bytes walked over are read, so the control's gap stays where it is.
long ScintillaEditorWidget::walk_units(long from, qsizetype units) const {
    const long total = SendScintilla(SCI_GETLENGTH);
    if (units >= 0) {
        const long span = static_cast<long>(std::min<qsizetype>(total - from, 3 * units + 4));
        const auto* bytes = reinterpret_cast<const unsigned char*>(SendScintilla(SCI_GETRANGEPOINTER, from, span));
        long at = 0;
        while (at < span && units >= utf16_units(bytes[at])) {
            units -= utf16_units(bytes[at]);
            at += utf8_length(bytes[at]);
        }
        return std::min(from + at, total);
    }
    const long start = static_cast<long>(std::max<qsizetype>(0, from + 3 * units - 4));
    const auto* bytes = reinterpret_cast<const unsigned char*>(SendScintilla(SCI_GETRANGEPOINTER, start, from - start));
    long at = from - start;
    while (at > 0 && units < 0) {
        do --at;
        while (at > 0 && (bytes[at] & 0xC0) == 0x80);  // back over continuation bytes to the lead
        units += utf16_units(bytes[at]);
    }
    return start + at;
}

// On a long line a conversion walks from the line's start or from the last point converted on it,
// whichever is nearer: the caret's neighbourhood converts in a few steps however far along the line.
long ScintillaEditorWidget::to_byte(qsizetype position) const {
    if (position <= 0) return 0;
    const long line = SendScintilla(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(position), utf16_index);
    const long line_byte = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long line_char = SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, utf16_index);
    const qsizetype within = position - line_char;
    if (within <= 0) return line_byte;
    const bool near_known = known_.line == line && std::abs(position - known_.ch) < within;
    const long byte = near_known ? walk_units(known_.byte, position - known_.ch) : walk_units(line_byte, within);
    if (within > short_line) known_ = {line, byte, to_char_on_line(line, line_byte, line_char, byte)};
    return byte;
}

qsizetype ScintillaEditorWidget::to_char(long byte) const {
    if (byte <= 0) return 0;
    const long line = SendScintilla(SCI_LINEFROMPOSITION, byte);
    return to_char_on_line(line, SendScintilla(SCI_POSITIONFROMLINE, line),
                           SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, utf16_index), byte);
}

qsizetype ScintillaEditorWidget::to_char_on_line(long line, long line_byte, qsizetype line_char, long byte) const {
    if (byte - line_byte <= short_line) return line_char + SendScintilla(SCI_COUNTCODEUNITS, line_byte, byte);
    if (known_.line == line && known_.byte == byte) return known_.ch;
    qsizetype ch;
    if (known_.line == line && std::abs(byte - known_.byte) < byte - line_byte)
        ch = known_.byte <= byte ? known_.ch + SendScintilla(SCI_COUNTCODEUNITS, known_.byte, byte)
                                 : known_.ch - SendScintilla(SCI_COUNTCODEUNITS, byte, known_.byte);
    else
        ch = line_char + SendScintilla(SCI_COUNTCODEUNITS, line_byte, byte);
    known_ = {line, byte, ch};
    return ch;
}

qsizetype ScintillaEditorWidget::selection_start() const { return to_char(SendScintilla(SCI_GETSELECTIONSTART)); }

qsizetype ScintillaEditorWidget::selection_length() const {
    return to_char(SendScintilla(SCI_GETSELECTIONEND)) - selection_start();
}

void ScintillaEditorWidget::set_selection(qsizetype start, qsizetype length) {
    const qsizetype total = this->length();
    start = std::clamp<qsizetype>(start, 0, total);
    length = std::clamp<qsizetype>(length, 0, total - start);
    SendScintilla(SCI_SETSEL, to_byte(start), to_byte(start + length));
}

QString ScintillaEditorWidget::selected_text() const {
    const long from = SendScintilla(SCI_GETSELECTIONSTART);
    const long to = SendScintilla(SCI_GETSELECTIONEND);
    if (to <= from) return {};
    return decode_utf8(QByteArrayView(range_pointer(from, to), to - from));
}

void ScintillaEditorWidget::replace_selection(const QString& text) {
    replaceSelectedText(text);
    report_edits();
}

qsizetype ScintillaEditorWidget::find(const QString& what, qsizetype from, FindOptions options) {
    if (what.isEmpty()) return -1;
    const QByteArray needle = what.toUtf8();
    SendScintilla(SCI_SETTARGETRANGE, to_byte(std::max<qsizetype>(from, 0)), SendScintilla(SCI_GETLENGTH));
    SendScintilla(SCI_SETSEARCHFLAGS, (options.match_case ? SCFIND_MATCHCASE : 0) | (options.whole_word ? SCFIND_WHOLEWORD : 0));
    const long at = SendScintilla(SCI_SEARCHINTARGET, static_cast<unsigned long>(needle.size()), needle.constData());
    if (at < 0) return -1;
    const qsizetype position = to_char(at);
    if (options.select) set_selection(position, what.size());
    return position;
}

int ScintillaEditorWidget::line_count() const { return static_cast<int>(SendScintilla(SCI_GETLINECOUNT)); }

int ScintillaEditorWidget::line_of(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, length());
    return static_cast<int>(SendScintilla(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(position), utf16_index));
}

qsizetype ScintillaEditorWidget::line_start(int line) const {
    if (line <= 0) return 0;
    if (line >= line_count()) return length();
    return SendScintilla(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), utf16_index);
}

int ScintillaEditorWidget::first_visible_line() const { return static_cast<int>(SendScintilla(SCI_GETFIRSTVISIBLELINE)); }

void ScintillaEditorWidget::scroll_lines(int n) {
    if (n != 0) SendScintilla(SCI_LINESCROLL, 0UL, static_cast<long>(n));
}

int ScintillaEditorWidget::style_for(ColourValue colour) {
    if (const auto it = style_of_colour_.constFind(colour); it != style_of_colour_.constEnd()) return *it;
    int style = static_cast<int>(colour_of_style_.size());
    if (style == first_reserved_style) {
        while (colour_of_style_.size() <= last_reserved_style) colour_of_style_.append(0);
        style = last_reserved_style + 1;
    }
    if (style > max_style) return 0;  // more colours than styles: the rest show plain
    colour_of_style_.append(colour);
    style_of_colour_.insert(colour, style);
    style_font(style);
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(style), static_cast<long>(colour));
    return style;
}

std::vector<char> ScintillaEditorWidget::styles(long from, long to) const {
    std::vector<char> styled(static_cast<std::size_t>(2 * (to - from) + 2));
    StyledRange range{from, to, styled.data()};
    SendScintilla(SCI_GETSTYLEDTEXT, 0UL, &range);
    std::vector<char> only(static_cast<std::size_t>(to - from));
    for (std::size_t i = 0; i < only.size(); ++i) only[i] = styled[2 * i + 1];
    return only;
}

// The document's bytes from to to in place. The control's gap moves only when the stretch spans it, and
// then only as far as the stretch's start.
const char* ScintillaEditorWidget::range_pointer(long from, long to) const {
    return reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, from, to - from));
}

void ScintillaEditorWidget::apply_colours(const QList<ColourRun>& runs) {
    if (runs.isEmpty()) return;
    // The walk covers the runs alone, found through the line index: colouring a large page a piece at a time
    // walked from the start of the text for every piece, and asking for the whole text moves the control's
    // gap to its end, half the text copied for a key typed in the middle.
    const long start = to_byte(runs.front().start);
    const long end = to_byte(runs.back().start + runs.back().length);
    if (end <= start) return;
    Cursor cursor(range_pointer(start, end), start, end, start, to_char(start));
    struct Styled {
        long from, to;
        char style;
    };
    std::vector<Styled> spans;
    spans.reserve(static_cast<std::size_t>(runs.size()));
    bool gaps = false;
    for (const ColourRun& r : runs) {
        const char style = static_cast<char>(style_for(r.colour));
        const long from = cursor.byte_of(r.start);
        const long to = cursor.byte_of(r.start + r.length);
        if (to <= from) continue;
        gaps = gaps || (!spans.empty() && spans.back().to != from);
        spans.push_back({from, to, style});
    }
    if (spans.empty()) return;
    // One pass over the whole stretch: the styles of the gaps between runs are read first and kept.
    const long first = spans.front().from;
    std::vector<char> bytes = gaps ? styles(first, spans.back().to) : std::vector<char>(static_cast<std::size_t>(spans.back().to - first));
    for (const Styled& s : spans) std::fill(bytes.begin() + (s.from - first), bytes.begin() + (s.to - first), s.style);
    SendScintilla(SCI_STARTSTYLING, first, 0L);
    SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(bytes.size()), bytes.data());
}

void ScintillaEditorWidget::colour_stretch(qsizetype start, qsizetype length, const QList<ColourRun>& runs, ColourValue rest) {
    if (length <= 0) {
        apply_colours(runs);
        return;
    }
    const long from = to_byte(start);
    const long to = to_byte(start + length);
    if (to <= from) return;
    Cursor cursor(range_pointer(from, to), from, to, from, to_char(from));
    std::vector<char> bytes(static_cast<std::size_t>(to - from), static_cast<char>(style_for(rest)));
    for (const ColourRun& r : runs) {
        const char style = static_cast<char>(style_for(r.colour));
        const long run_from = std::clamp(cursor.byte_of(std::max(r.start, start)), from, to);
        const long run_to = std::clamp(cursor.byte_of(r.start + r.length), from, to);
        if (run_to > run_from) std::fill(bytes.begin() + (run_from - from), bytes.begin() + (run_to - from), style);
    }
    SendScintilla(SCI_STARTSTYLING, from, 0L);
    SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(bytes.size()), bytes.data());
}

QList<ColourRun> ScintillaEditorWidget::colour_runs() const {
    const long total = SendScintilla(SCI_GETLENGTH);
    if (total == 0) return {};
    const std::vector<char> style = styles(0, total);
    qsizetype count = 1;
    for (long b = 1; b < total; ++b) count += style[b] != style[b - 1] ? 1 : 0;
    QList<ColourRun> runs;
    runs.reserve(count);
    Cursor cursor(range_pointer(0, total), 0, total, 0, 0);
    long run_byte = 0;
    for (long b = 1; b <= total; ++b) {
        if (b < total && style[b] == style[run_byte]) continue;
        const auto number = static_cast<unsigned char>(style[run_byte]);
        const qsizetype start = cursor.char_of(run_byte);
        const qsizetype end = cursor.char_of(b);
        runs.append({start, end - start, number < colour_of_style_.size() ? colour_of_style_[number] : 0});
        run_byte = b;
    }
    return runs;
}

bool ScintillaEditorWidget::can_undo() const { return isUndoAvailable(); }
void ScintillaEditorWidget::undo() {
    QsciScintilla::undo();
    report_edits();
}

void ScintillaEditorWidget::redo() {
    QsciScintilla::redo();
    report_edits();
}
void ScintillaEditorWidget::clear_undo() { SendScintilla(SCI_EMPTYUNDOBUFFER); }

// QsciScintilla answers being switched off or on (begin_batch, end_batch) by giving the plain style the
// palette's colours. A style change makes the control throw away every width it has measured, so a long
// line was measured whole again after each colouring: twice more while a 10 MB line opened, a second each.
// The control keeps its colours while it is off for a moment.
void ScintillaEditorWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) QsciScintillaBase::changeEvent(event);
    else QsciScintilla::changeEvent(event);
}

// Batches nest (a generator's step inside a long operation): the outermost pair freezes and thaws.
void ScintillaEditorWidget::begin_batch() {
    if (batch_depth_++ > 0) return;
    had_focus_ = hasFocus();
    setEnabled(false);
    setUpdatesEnabled(false);
}

void ScintillaEditorWidget::end_batch() {
    if (batch_depth_ == 0 || --batch_depth_ > 0) return;
    setUpdatesEnabled(true);
    setEnabled(true);
    if (had_focus_) setFocus();
}

void ScintillaEditorWidget::set_line_ends(LineEnds ends) {
    line_ends_ = ends;
    setEolMode(ends == LineEnds::Lf ? EolUnix : ends == LineEnds::Cr ? EolMac : EolWindows);
}

void ScintillaEditorWidget::style_font(int style) {
    const QByteArray family = QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toUtf8();
    SendScintilla(SCI_STYLESETFONT, static_cast<unsigned long>(style), family.constData());
    SendScintilla(SCI_STYLESETSIZE, static_cast<unsigned long>(style), static_cast<long>(font_points_));
}

void ScintillaEditorWidget::set_font_size(int points) {
    // The same size again changes nothing, and setting a style's font throws away the layout of every
    // line, which on a line of megabytes costs seconds.
    if ((points > 0 ? points : 10) == font_points_ && fonts_set_) return;
    fonts_set_ = true;
    font_points_ = points > 0 ? points : 10;
    style_font(STYLE_DEFAULT);
    style_font(STYLE_LINENUMBER);
    for (int style = 0; style < colour_of_style_.size(); ++style)
        if (style < first_reserved_style || style > last_reserved_style) style_font(style);
}

}  // namespace tamsel
