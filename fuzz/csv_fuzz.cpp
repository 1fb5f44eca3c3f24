// Comma-delimited data of any shape made into a table.
#include "wizards/table_fields.h"
#include "wizards/table_generator.h"

#include "fuzz_support.h"

using namespace tamsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)csv_table(fuzz::page_of(data, size), TableFields{});
    return 0;
}
