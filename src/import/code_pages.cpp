#include "import/code_pages.h"

#include "platform/text_codec.h"

#include <algorithm>

namespace tamsel {
namespace {

struct CharsetCodePage {
    int charset;
    int code_page;
};

// RTF character sets and the Windows code pages they stand for.
constexpr std::array<CharsetCodePage, 18> charset_code_pages = {{
    {77, 10000}, {78, 10001}, {79, 10003}, {80, 10008}, {81, 10002}, {128, 932}, {129, 949}, {130, 1361},
    {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
    {204, 1251}, {238, 1250},
}};

struct CodePageName {
    int code_page;
    const char* name;
    bool multi_byte;
};

// The code pages RTF files name and the converters that read them. The Macintosh Japanese, Chinese and
// Korean code pages are read by their Windows relatives, whose characters they share.
constexpr std::array<CodePageName, 32> code_page_names = {{
    {437, "IBM437", false},          {850, "IBM850", false},          {874, "windows-874", false},
    {932, "windows-31j", true},      {936, "windows-936", true},      {949, "windows-949", true},
    {950, "windows-950", true},      {1250, "windows-1250", false},   {1251, "windows-1251", false},
    {1253, "windows-1253", false},   {1254, "windows-1254", false},   {1255, "windows-1255", false},
    {1256, "windows-1256", false},   {1257, "windows-1257", false},   {1258, "windows-1258", false},
    {10000, "macintosh", false},     {10001, "windows-31j", true},    {10002, "windows-950", true},
    {10003, "windows-949", true},    {10006, "x-mac-greek", false},   {10007, "x-mac-cyrillic", false},
    {10008, "windows-936", true},    {10029, "x-mac-ce", false},      {10079, "x-mac-icelandic", false},
    {10081, "x-mac-turkish", false}, {10082, "x-mac-croatian", false}, {10010, "x-mac-romanian", false},
    {10017, "x-mac-ukrainian", false}, {20866, "KOI8-R", false},     {21866, "KOI8-U", false},
    {28591, "ISO-8859-1", false},    {65001, "UTF-8", true},
}};

const CodePageName* find_code_page(int code_page) {
    const auto it = std::find_if(code_page_names.begin(), code_page_names.end(),
                                 [code_page](const CodePageName& c) { return c.code_page == code_page; });
    return it == code_page_names.end() ? nullptr : &*it;
}

// The Windows-1252 character of every byte, made once: the fall-back of every single-byte table.
const std::array<char16_t, 256>& characters_1252() {
    static const std::array<char16_t, 256> table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b) bytes[b] = static_cast<char>(b);
        const QString text = decode_1252(bytes);
        std::array<char16_t, 256> chars{};
        for (int b = 0; b < 256; ++b) chars[b] = text[b].unicode();
        return chars;
    }();
    return table;
}

}  // namespace

int code_page_of_charset(int charset) {
    for (const CharsetCodePage& c : charset_code_pages)
        if (c.charset == charset) return c.code_page;
    return charset == 255 ? 437 : 0;  // 255: the OEM character set
}

const char* code_page_name(int code_page) {
    const CodePageName* c = find_code_page(code_page);
    return c ? c->name : nullptr;
}

bool CodePages::is_multi_byte(int code_page) {
    const CodePageName* c = find_code_page(code_page);
    return c && c->multi_byte;
}

const CodePages::Converter& CodePages::converter(int code_page) {
    if (const auto it = converters_.find(code_page); it != converters_.end()) return it->second;
    Converter& c = converters_[code_page];
    const CodePageName* known = find_code_page(code_page);
    QStringDecoder decoder(known ? known->name : "", QStringDecoder::Flag::Stateless);
    if (known && decoder.isValid() && known->multi_byte) {
        c.multi = std::make_unique<QStringDecoder>(known->name, QStringDecoder::Flag::Stateless);
        return c;
    }
    // A byte the converter has no single character for keeps its Windows-1252 one.
    c.single = characters_1252();
    if (!known || !decoder.isValid()) return c;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString one = decoder.decode(QByteArrayView(&byte, 1));
        if (one.size() == 1) c.single[b] = one[0].unicode();
    }
    return c;
}

void CodePages::decode(int code_page, QByteArrayView bytes, QString& out) {
    const Converter& c = converter(code_page);
    if (c.multi) {
        out += c.multi->decode(bytes);
        return;
    }
    const qsizetype at = out.size();
    out.resize(at + bytes.size());
    QChar* dst = out.data() + at;
    for (qsizetype i = 0; i < bytes.size(); ++i) dst[i] = QChar(c.single[static_cast<unsigned char>(bytes[i])]);
}

}  // namespace tamsel
