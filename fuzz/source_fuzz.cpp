// The readable database sources `tamsel db build` reads: the first byte picks which of the six the rest of
// the input stands for.
#include "tagdb/db_source.h"

#include "fuzz_support.h"

using namespace tamsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const QStringList files = source_names();
    SourceTables tables = empty_sources();
    QStringList problems;
    read_source(files[data[0] % files.size()], fuzz::bytes_of(data + 1, size - 1), &tables, &problems);
    return 0;
}
