#include "app/document_colouring.h"

#include "app/batch_mode.h"
#include "app/progress_bar.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "colour/colorize.h"
#include "colour/script_colouring.h"

#include <algorithm>

namespace tamsel {

namespace {

// The characters of text read and coloured at a time: no copy of the whole text and no colours for all of
// it are held at once, and the progress panel moves piece by piece. A piece of markup holds a run of
// colour for every few characters, 24 bytes each: pieces of a megabyte held ten times the size of a 1 MB
// page in runs while it was coloured.
constexpr qsizetype piece_length = qsizetype(1) << 17;

}  // namespace

bool DocumentColouring::colorize(qsizetype start, qsizetype end) {
    if (!ws_.window.highlight_on) return true;
    return colour_document(start, end, false);
}

bool DocumentColouring::colour_document(qsizetype start, qsizetype end, bool plain_between) {
    WindowState& st = ws_.window;
    const ColourScheme scheme = colour_scheme(ws_.config);
    if (const auto language = script_language_of(ws_.documents.active_type())) {
        // A script or stylesheet is read in one quick pass: it is coloured whole, whatever the range.
        const qsizetype length = editor_.length();
        editor_.colour_stretch(0, plain_between ? length : 0, colour_script(editor_.text(), *language, scheme), scheme.normal);
        view_.document_coloured();
        return true;
    }
    st.stop_request = false;
    bar_.open_bar(QStringLiteral("Update Syntax Highlight"), 0);
    const auto poll = [&] {
        view_.let_events_run();
        return st.stop_request;
    };
    bool stopped = false;
    if (start <= 1 && end < 0) {
        stopped = !colour_in_pieces(scheme, plain_between, poll);
    } else {
        const ColouringResult result = tamsel::colorize(editor_.text(), start, end, scheme, ws_.colouring, poll);
        editor_.apply_colours(result.runs);
        stopped = result.stopped;
    }
    // Told before the panel closes: closing lets events run, and a recolouring of edited lines due then
    // would be needless.
    if (start <= 1 && end < 0 && !stopped) view_.document_coloured();
    bar_.close_bar();
    return !stopped;
}

bool DocumentColouring::colour_in_pieces(const ColourScheme& scheme, bool plain_between, const std::function<bool()>& poll) {
    const qsizetype total = editor_.length();
    const auto read = [this](qsizetype from, qsizetype length) { return editor_.text_range(from, length); };
    const auto take = [&](qsizetype from, qsizetype length, const QList<ColourRun>& runs) {
        if (plain_between) editor_.colour_stretch(from, length, runs, scheme.normal);
        else editor_.apply_colours(runs);
        bar_.step_bar(static_cast<int>((from + length) * 100 / std::max<qsizetype>(total, 1)), true);
    };
    return !colorize_in_pieces(total, piece_length, read, take, scheme, ws_.colouring, poll).stopped;
}

void DocumentColouring::reset_colours() {
    batch_.begin_batch(u"nohigh_click");
    // One run over the whole text; its length is enough, no copy of the text is needed.
    if (const qsizetype length = editor_.length(); length > 0)
        editor_.apply_colours({ColourRun{0, length, colour_scheme(ws_.config).normal}});
    batch_.end_batch(u"nohigh_click");
}

void DocumentColouring::recolour_document() {
    if (ws_.window.highlight_on) colour_document(1, -1, true);
    else reset_colours();
}

void DocumentColouring::remove_colouring() {
    ws_.window.highlight_on = false;
    reset_colours();
}

void DocumentColouring::update_colouring() {
    ws_.window.highlight_on = true;
    recolour_document();
}

namespace {

// How far before and after an edit the colouring looks for the tag or script block the edit is in: a tag
// or script that begins further back is taken as closed. What runs after an edit reads this much of the
// text, however long the text is.
constexpr qsizetype edit_reach = qsizetype(1) << 18;
// Characters on each side of an edit coloured again when its line is longer.
constexpr qsizetype line_reach = 4096;

// Whether position (in text) lies inside a SCRIPT block: its last "<script" before it is later than its
// last "</script". Colouring leaves the tags of a script alone.
bool inside_script(const QString& text, qsizetype position) {
    if (position <= 0) return false;
    const qsizetype open = text.lastIndexOf(QLatin1String("<script"), position - 1, Qt::CaseInsensitive);
    const qsizetype close = text.lastIndexOf(QLatin1String("</script"), position - 1, Qt::CaseInsensitive);
    return open > close;
}

// The part of runs from position on.
QList<ColourRun> runs_from(const QList<ColourRun>& runs, qsizetype position) {
    QList<ColourRun> after;
    for (const ColourRun& r : runs) {
        const qsizetype end = r.start + r.length;
        if (end > position) after.append({std::max(r.start, position), end - std::max(r.start, position), r.colour});
    }
    return after;
}

}  // namespace

void DocumentColouring::recolour_edit(const EditedSpan& edited) {
    const int first = edited.first_line;
    if (!ws_.window.highlight_on || first < 0 || first >= editor_.line_count()) return;
    const int last = std::min(std::max(edited.last_line, first), editor_.line_count() - 1);
    if (const auto language = script_language_of(ws_.documents.active_type())) {
        // An edit can open or close a comment or a string for all that follows, so the lexer reads the
        // whole text and the colours change from the first edited line on.
        editor_.apply_colours(runs_from(colour_script(editor_.text(), *language, colour_scheme(ws_.config)), editor_.line_start(first)));
        return;
    }
    const qsizetype length = editor_.length();
    // Of a long line, what lies around the changed characters.
    const qsizetype first_char = std::max(editor_.line_start(first), edited.from - line_reach);
    const qsizetype end_char = std::min(last + 1 < editor_.line_count() ? editor_.line_start(last + 1) : length, edited.to + line_reach);
    // The edited lines with what lies around them, in positions of that window.
    const qsizetype window_start = std::max<qsizetype>(0, first_char - edit_reach);
    const QString text = editor_.text_range(window_start, std::min(length, end_char + edit_reach) - window_start);
    qsizetype start = first_char - window_start;
    qsizetype end = end_char - window_start;
    // A tag that begins before the range or ends after it is coloured whole.
    if (const qsizetype lt = start > 0 ? text.lastIndexOf(QLatin1Char('<'), start - 1) : -1;
        lt >= 0 && lt > text.lastIndexOf(QLatin1Char('>'), start - 1))
        start = lt;
    if (end > 0 && text.lastIndexOf(QLatin1Char('<'), end - 1) > text.lastIndexOf(QLatin1Char('>'), end - 1)) {
        const qsizetype gt = text.indexOf(QLatin1Char('>'), end);
        end = gt < 0 ? text.size() : gt + 1;
    }
    if (end <= start) return;
    const ColourScheme scheme = colour_scheme(ws_.config);
    ColouringState state;
    state.in_script = inside_script(text, start);
    QList<ColourRun> runs = tamsel::colorize(text, start + 1, end, scheme, state).runs;
    for (ColourRun& r : runs) r.start += window_start;
    // The last tag coloured may end beyond the range: the stretch takes it in.
    const qsizetype stretch_end = runs.isEmpty() ? window_start + end : std::max(window_start + end, runs.last().start + runs.last().length);
    editor_.colour_stretch(window_start + start, stretch_end - window_start - start, runs, scheme.normal);
}

}  // namespace tamsel
