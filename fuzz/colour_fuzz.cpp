// Colouring any text: as a page (whole, and from a position the first bytes give) and in each script
// language. Runs must come out ascending and inside the text.
#include "colour/colorize.h"
#include "colour/script_colouring.h"
#include "settings/config_table.h"

#include "fuzz_support.h"

#include <cstdlib>

using namespace tamsel;

namespace {

void check_runs(const QList<ColourRun>& runs, qsizetype length) {
    qsizetype end = 0;
    for (const ColourRun& r : runs) {
        if (r.start < end || r.length < 0 || r.start + r.length > length) std::abort();
        end = r.start + r.length;
    }
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
    const auto language = static_cast<ScriptLanguage>(data[1] % 3);
    check_runs(colour_script(text, language, scheme), text.size());
    return 0;
}
