// The META tag reader over any tag text, storing into the slots.
#include "wizards/meta_reader.h"

#include "fuzz_support.h"

using namespace tamsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString tag = fuzz::page_of(data, size);
    MetaSlots metas;
    (void)parse_meta_tag(tag, true, metas);
    return 0;
}
