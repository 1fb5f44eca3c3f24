#include "app/document_colouring.h"

#include "app/batch_mode.h"
#include "app/progress_bar.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "colour/colorize.h"
#include "colour/script_colouring.h"

#include <algorithm>

namespace tamsel {

bool DocumentColouring::colorize(qsizetype start, qsizetype end) {
    WindowState& st = ws_.window;
    if (!st.highlight_on) return true;
    if (const auto language = script_language_of(ws_.documents.active_type())) {
        // A script or stylesheet is read in one quick pass: it is coloured whole, whatever the range.
        editor_.apply_colours(colour_script(editor_.text(), *language, colour_scheme(ws_.config)));
        view_.document_coloured();
        return true;
    }
    st.stop_request = false;
    bar_.open_bar(QStringLiteral("Update Syntax Highlight"), 0);
    const QString snapshot = editor_.text();
    const auto poll = [&] {
        view_.let_events_run();
        return st.stop_request;
    };
    const ColouringResult result = tamsel::colorize(snapshot, start, end, colour_scheme(ws_.config), ws_.colouring, poll);
    editor_.apply_colours(result.runs);
    bar_.close_bar();
    if (start <= 1 && end < 0 && !result.stopped) view_.document_coloured();
    return !result.stopped;
}

void DocumentColouring::reset_colours() {
    batch_.begin_batch(u"nohigh_click");
    // One run over the whole text; its length is enough, no copy of the text is needed.
    if (const qsizetype length = editor_.length(); length > 0)
        editor_.apply_colours({ColourRun{0, length, colour_scheme(ws_.config).normal}});
    batch_.end_batch(u"nohigh_click");
}

void DocumentColouring::remove_colouring() {
    ws_.window.highlight_on = false;
    reset_colours();
}

void DocumentColouring::update_colouring() {
    reset_colours();
    ws_.window.highlight_on = true;
    colorize(1, -1);
}

namespace {

// Whether position lies inside a SCRIPT block: its last "<script" before it is later than its last
// "</script". Colouring leaves the tags of a script alone.
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

void DocumentColouring::recolour_lines(int first, int last) {
    if (!ws_.window.highlight_on || first < 0 || first >= editor_.line_count()) return;
    last = std::min(std::max(last, first), editor_.line_count() - 1);
    const QString text = editor_.text();
    if (const auto language = script_language_of(ws_.documents.active_type())) {
        // An edit can open or close a comment or a string for all that follows, so the lexer reads the
        // whole text and the colours change from the first edited line on.
        editor_.apply_colours(runs_from(colour_script(text, *language, colour_scheme(ws_.config)), editor_.line_start(first)));
        return;
    }
    qsizetype start = editor_.line_start(first);
    qsizetype end = last + 1 < editor_.line_count() ? editor_.line_start(last + 1) : text.size();
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
    editor_.apply_colours({ColourRun{start, end - start, scheme.normal}});
    ColouringState state;
    state.in_script = inside_script(text, start);
    editor_.apply_colours(tamsel::colorize(text, start + 1, end, scheme, state).runs);
}

}  // namespace tamsel
