// Any bytes through the RTF import and, as a text file, through the text import.
#include "import/import_file.h"
#include "import/rtf_converter.h"

#include "fuzz_support.h"

using namespace tamsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytes_of(data, size);
    (void)rtf_import_page(bytes);
    QString error;
    if (const auto input = import_input(ImportKind::text, bytes, QStringLiteral("in.txt"), error)) (void)import_page(*input);
    return 0;
}
