// How a file's bytes become a document's text: any bytes decode, the editor's way (UTF-8 kept as bytes)
// tells what decoding tells, and the text saved in the encoding found gives the bytes back.
#include "platform/text_codec.h"

#include <cstdint>
#include <cstdlib>

using namespace tamsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DecodedText whole = decode_document(bytes);
    const DecodedText editor = decode_for_editor(bytes);
    if (editor.whole_text() != whole.text || editor.encoding != whole.encoding || editor.line_ends != whole.line_ends ||
        editor.binary != whole.binary)
        std::abort();
    if (encode_document(whole.text, whole.encoding) != bytes) std::abort();
    return 0;
}
