// The readers of the six database files over any bytes: a file from another version or a damaged disk
// must load as far as it can, never crash. The first byte picks the file.
#include "tagdb/db_layout.h"

#include "fuzz_support.h"

using namespace tamsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArray bytes = fuzz::bytes_of(data + 1, size - 1);
    switch (data[0] % 6) {
    case 0: (void)parse_tags(bytes); break;
    case 1: (void)parse_attrs(bytes); break;
    case 2: (void)parse_stylesheet(bytes); break;
    case 3: (void)parse_colors(bytes); break;
    case 4: (void)parse_config(bytes); break;
    default: (void)parse_vocabulary(bytes); break;
    }
    return 0;
}
