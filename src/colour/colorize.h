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
};

// Colours the tags from start on and stops after the first tag that ends at or beyond end. Positions are
// 1-based as the commands give them: a start of 0 counts as 1, an end of -1 means the end of the text.
// poll is asked between chunks of work; when it answers true the run stops.
ColouringResult colorize(const QString& text, qsizetype start, qsizetype end, const ColourScheme& scheme,
                         ColouringState& state, const std::function<bool()>& poll = {});

// One run giving the whole text the plain colour.
QList<ColourRun> remove_colouring(const QString& text, const ColourScheme& scheme);

}  // namespace tamsel
