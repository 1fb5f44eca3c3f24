// Colouring any text: as a page (whole, and from a position the first bytes give), a piece at a time
// (the pieces must give the colours of the whole run), and in each script language. Runs must come out
// ascending and inside the text.
#include "colour/colorize.h"
#include "colour/script_colouring.h"
#include "settings/config_table.h"

#include "fuzz_support.h"

#include <cstdlib>
#include <vector>

using namespace tamsel;

namespace {

void check_runs(const QList<ColourRun>& runs, qsizetype length) {
    qsizetype end = 0;
    for (const ColourRun& r : runs) {
        if (r.start < end || r.length < 0 || r.start + r.length > length) std::abort();
        end = r.start + r.length;
    }
}

// The colour of each character after the plain colour everywhere and then runs.
std::vector<ColourValue> painted(qsizetype length, const QList<ColourRun>& runs, ColourValue plain) {
    std::vector<ColourValue> colours(static_cast<std::size_t>(length), plain);
    for (const ColourRun& r : runs) std::fill(colours.begin() + r.start, colours.begin() + r.start + r.length, r.colour);
    return colours;
}

void check_pieces(const QString& text, qsizetype piece, const ColourScheme& scheme) {
    ColouringState whole_state;
    const QList<ColourRun> whole = colorize(text, 1, -1, scheme, whole_state).runs;
    ColouringState state;
    QList<ColourRun> runs;
    const auto read = [&](qsizetype from, qsizetype n) { return text.mid(from, n); };
    const auto take = [&](qsizetype, qsizetype, const QList<ColourRun>& piece_runs) { runs += piece_runs; };
    colorize_in_pieces(text.size(), piece, read, take, scheme, state);
    check_runs(runs, text.size());
    if (painted(text.size(), runs, scheme.normal) != painted(text.size(), whole, scheme.normal)) std::abort();
    if (state.in_script != whole_state.in_script) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static const ConfigTable config;
    static const ColourScheme scheme = colour_scheme(config);
    const QString text = fuzz::page_of(data + 2, size - 2);
    const qsizetype start = text.isEmpty() ? 0 : data[0] % (text.size() + 1);
    ColouringState state;
    check_runs(colorize(text, start, -1, scheme, state).runs, text.size());
    check_pieces(text, data[0] % 64 + 1, scheme);
    const auto language = static_cast<ScriptLanguage>(data[1] % 3);
    check_runs(colour_script(text, language, scheme), text.size());
    return 0;
}
