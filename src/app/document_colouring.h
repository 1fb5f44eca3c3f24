#pragma once
// Syntax colouring of the document in the editor: the colour runs are computed on a snapshot of the text
// and handed to the editor in one pass, under batch mode and the progress panel. Escape (stop_request)
// ends a run early; what was coloured so far stays.
#include "platform/edited_span.h"

#include <QtGlobal>
#include <functional>

namespace tamsel {

class BatchMode;
struct ColourScheme;
class EditorBuffer;
class ProgressBar;
class ShellView;
class Workspace;

class DocumentColouring {
public:
    DocumentColouring(Workspace& ws, EditorBuffer& editor, BatchMode& batch, ProgressBar& bar, ShellView& view)
        : ws_(ws), editor_(editor), batch_(batch), bar_(bar), view_(view) {}

    // Colours the tags from start to end (1-based, end -1 for the end of the text) when colouring is on.
    // False when a stop request ended the run.
    bool colorize(qsizetype start, qsizetype end);
    // The whole text in the plain colour; the colouring switch stays as it is.
    void reset_colours();
    // The whole text coloured afresh when colouring is on (what lies between tags plain), else plain.
    void recolour_document();
    // Switches colouring off and gives the whole text the plain colour.
    void remove_colouring();
    // Plain colour, colouring on, and the whole document coloured.
    void update_colouring();
    // After an edit (typing, undo, redo): the edited lines in the plain colour and their tags coloured
    // again, the range widened to the tags it cuts into. On a long line only the part around the changed
    // characters is. Quiet: no progress, no batch.
    void recolour_edit(const EditedSpan& edited);

private:
    bool colour_document(qsizetype start, qsizetype end, bool plain_between);
    bool colour_in_pieces(const ColourScheme& scheme, bool plain_between, const std::function<bool()>& poll);

    Workspace& ws_;
    EditorBuffer& editor_;
    BatchMode& batch_;
    ProgressBar& bar_;
    ShellView& view_;
};

}  // namespace tamsel
