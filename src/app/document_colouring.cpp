#include "app/document_colouring.h"

#include "app/batch_mode.h"
#include "app/progress_bar.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "colour/colorize.h"

namespace tamsel {

bool DocumentColouring::colorize(qsizetype start, qsizetype end) {
    WindowState& st = ws_.window;
    if (!st.highlight_on) return true;
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

}  // namespace tamsel
