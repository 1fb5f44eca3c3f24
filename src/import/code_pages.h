#pragma once
// The code pages of RTF text: the bytes of "\'hh" escapes (and any 8-bit bytes) are characters of the
// document's code page (\ansicpg), or of the character set of the font they are set in (\fcharset).
// Windows-1252 is decoded by the program itself; the others by Qt's converters. A code page these do not
// know is read as Windows-1252, the code page of RTF files that name none: its ASCII half is every code
// page's, and no byte is lost.
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <array>
#include <map>
#include <memory>

namespace tamsel {

constexpr int default_code_page = 1252;

// The code page of an RTF character set (\fcharsetN), or 0 for "the document's own" (ANSI, default).
int code_page_of_charset(int charset);

// The converter name of a code page, "windows-1251", or empty when it has none here.
const char* code_page_name(int code_page);

// Decodes bytes in code pages, keeping one converter per code page in use.
class CodePages {
public:
    // Appends the characters of bytes in code_page to out. A multi-byte code page needs the bytes of a
    // character together: callers hand over runs of bytes, not single ones.
    void decode(int code_page, QByteArrayView bytes, QString& out);
    // True for a code page whose characters may take more than one byte.
    static bool is_multi_byte(int code_page);

private:
    struct Converter {
        std::array<char16_t, 256> single{};  // the characters of a single-byte code page
        std::unique_ptr<QStringDecoder> multi;
    };
    const Converter& converter(int code_page);

    std::map<int, Converter> converters_;
};

}  // namespace tamsel
