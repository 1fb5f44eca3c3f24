#pragma once
// Syntax colouring: tags, attribute names and values, "<!" comments and declarations, "<%" server blocks.
// The colours are computed on a snapshot of the text and handed to the editor in one pass; text outside
// tags keeps its colour, and tags inside a SCRIPT block are left alone.
#include "platform/editor_buffer.h"

#include <functional>

namespace tamsel {

class ConfigTable;

struct ColourScheme {
    ColourValue normal = 0;
    ColourValue tag = 0;
    ColourValue arg = 0;
    ColourValue val = 0;
    ColourValue com = 0;
    ColourValue asp = 0;
};

// The six highlight_* colours of the configuration.
ColourScheme colour_scheme(const ConfigTable& config);

// Carried from run to run: colouring does not reset it when a run starts.
struct ColouringState {
    bool in_script = false;
};

struct ColouringResult {
    QList<ColourRun> runs;  // ascending, not overlapping
    bool stopped = false;   // a stop request ended the run early; the runs cover what was done
    // Where the text ends inside something the run could not finish (a tag, a comment, a server block,
    // the end tag a script waits for), 0-based; -1 when nothing was left open. A run over a piece of a
    // longer text continues from here with the state this run left.
    qsizetype unfinished = -1;
};

// Colours the tags from start on and stops after the first tag that ends at or beyond end. Positions are
// 1-based as the commands give them: a start of 0 counts as 1, an end of -1 means the end of the text.
// poll is asked between chunks of work; when it answers true the run stops.
ColouringResult colorize(const QString& text, qsizetype start, qsizetype end, const ColourScheme& scheme,
                         ColouringState& state, const std::function<bool()>& poll = {});

// Colours a text of length characters that is read a piece at a time: read(from, n) gives n characters
// from from on, and take(from, n, runs) gets the colours of the n characters from from on (the runs lie
// inside them; between them is text outside tags). A piece ends where the last thing begun in it is
// unfinished (a tag cut in two, say), and the next begins there with the state the piece left, so the
// colours are those of one run over the whole text; a tag longer than a piece makes the piece longer.
// When a stop request ends the run, the last take covers the rest of the text. No runs in the result.
ColouringResult colorize_in_pieces(qsizetype length, qsizetype piece, const std::function<QString(qsizetype, qsizetype)>& read,
                                   const std::function<void(qsizetype, qsizetype, const QList<ColourRun>&)>& take,
                                   const ColourScheme& scheme, ColouringState& state, const std::function<bool()>& poll = {});

// One run giving the whole text the plain colour.
QList<ColourRun> remove_colouring(const QString& text, const ColourScheme& scheme);

}  // namespace tamsel
