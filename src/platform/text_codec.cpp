#include "platform/text_codec.h"

#include <QFile>
#include <QStringDecoder>
#include <array>

namespace tamsel {
namespace {

// Characters of the bytes 0x80..0x9F; undefined bytes keep their own code.
constexpr std::array<char16_t, 32> high_block = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString decode_1252(QByteArrayView bytes) {
    QString out;
    out.resize(bytes.size());
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(high_block[b - 0x80]) : QChar(b);
    }
    return out;
}

int code_1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (std::size_t i = 0; i < high_block.size(); ++i)
        if (high_block[i] == u) return static_cast<int>(0x80 + i);
    return -1;
}

QByteArray encode_1252(QStringView text) {
    QByteArray out;
    append_1252(out, text);
    return out;
}

void append_1252(QByteArray& out, QStringView text) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* const bytes = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const int code = u < 0x80 ? u : code_1252(text[i]);
        bytes[i] = static_cast<char>(code < 0 ? '?' : code);
    }
}

namespace {

// The file's own byte-order mark is cut off before decoding; a second one after it is a character of the
// text (a zero-width no-break space) and must come back when the text is saved.
constexpr QStringConverter::Flags keep_marks = QStringConverter::Flag::ConvertInitialBom;

// Whether the part of a file that starts at offset holds a NUL byte within the file's first binary_probe
// bytes.
bool nul_near_start(QByteArrayView part, qsizetype offset = 0) {
    return offset < binary_probe && part.first(qMin(part.size(), binary_probe - offset)).contains('\0');
}

// The UTF-16 encoding a byte-order mark names, or nothing.
std::optional<TextEncoding> utf16_by_mark(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE")) return TextEncoding::Utf16Le;
    if (bytes.startsWith("\xFE\xFF")) return TextEncoding::Utf16Be;
    return std::nullopt;
}

QStringConverter::Encoding utf16_converter(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

// The text after the byte-order mark when the rest is whole UTF-16 (an even count of bytes, every
// surrogate paired): only then does saving give the same bytes back.
std::optional<QString> decode_utf16(QByteArrayView bytes, TextEncoding encoding) {
    const QByteArrayView body = bytes.sliced(2);
    if (body.size() % 2 != 0) return std::nullopt;
    QStringDecoder decoder(utf16_converter(encoding), keep_marks | QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(body);
    if (decoder.hasError() || first_unencodable(text, encoding) >= 0) return std::nullopt;
    return text;
}

}  // namespace

DecodedText decode_document(const QByteArray& bytes) {
    DecodedText result;
    if (const std::optional<TextEncoding> utf16 = utf16_by_mark(bytes)) {
        if (std::optional<QString> text = decode_utf16(bytes, *utf16)) {
            result.text = std::move(*text);
            result.encoding = *utf16;
            result.line_ends = detect_line_ends(result.text);
            return result;
        }
    }
    result.binary = nul_near_start(bytes);
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    // Decode without the converter's own BOM handling so that the flag we keep says what the file had.
    const QByteArrayView body = bom ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    QStringDecoder strict(QStringDecoder::Utf8, keep_marks | QStringDecoder::Flag::Stateless);
    QString text = strict.decode(body);
    if (!strict.hasError()) {
        result.text = std::move(text);
        result.encoding = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
    } else {
        result.text = decode_1252(bytes);
        result.encoding = TextEncoding::Windows1252;
    }
    result.line_ends = detect_line_ends(result.text);
    return result;
}

QString DecodedText::whole_text() const { return utf8.isEmpty() ? text : decode_utf8(utf8); }

QString decode_utf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, keep_marks | QStringDecoder::Flag::Stateless);
    return utf8.decode(bytes);
}

DecodedText decode_for_editor(QByteArray bytes) {
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (utf16_by_mark(bytes) || !QByteArrayView(bytes).sliced(bom ? 3 : 0).isValidUtf8()) return decode_document(bytes);
    DecodedText result;
    result.binary = nul_near_start(bytes);
    result.encoding = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
    if (bom) bytes.remove(0, 3);
    result.line_ends = detect_line_ends(QByteArrayView(bytes));
    result.utf8 = std::move(bytes);
    return result;
}

namespace {

// Where a UTF-8 sequence that the end of bytes cuts short begins, or the size when none is cut short.
qsizetype incomplete_tail(QByteArrayView bytes) {
    for (qsizetype back = 1; back <= 4 && back <= bytes.size(); ++back) {
        const auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((b & 0xC0) == 0x80) continue;  // a continuation byte: the sequence began further back
        const int length = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
        return length > back ? bytes.size() - back : bytes.size();
    }
    return bytes.size();
}

}  // namespace

std::optional<DecodedText> read_document(const QString& path, qint64* size, qsizetype block) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    *size = 0;
    if (utf16_by_mark(file.peek(2))) {
        const QByteArray all = file.readAll();
        if (file.error() != QFileDevice::NoError) return std::nullopt;
        *size = all.size();
        return decode_document(all);
    }
    DecodedText result;
    // A UTF-8 file never needs more characters than it has bytes.
    result.text.reserve(static_cast<qsizetype>(qMax<qint64>(file.size(), 0)));
    // Each block is decoded up to its last whole sequence; the cut one goes with the next block, so the
    // decoder never carries a half sequence and a file that ends in one is found out.
    QStringDecoder utf8(QStringDecoder::Utf8, keep_marks);
    QByteArray pending;
    bool first = true, bom = false;
    while (!file.atEnd() && !utf8.hasError()) {
        const QByteArray bytes = file.read(block);
        if (file.error() != QFileDevice::NoError) return std::nullopt;
        if (bytes.isEmpty()) break;
        result.binary = result.binary || nul_near_start(bytes, *size);
        *size += bytes.size();
        pending += bytes;
        QByteArrayView body(pending);
        if (first && body.size() >= 3) {
            bom = body.startsWith("\xEF\xBB\xBF");
            if (bom) body = body.sliced(3);
            first = false;
        } else if (first) {
            continue;  // too short yet to tell whether the file starts with a byte order mark
        }
        const qsizetype whole = incomplete_tail(body);
        result.text += utf8.decode(body.first(whole));
        pending = body.sliced(whole).toByteArray();
    }
    if (first && !pending.isEmpty()) {  // a file of one or two bytes
        bom = false;
        result.text += utf8.decode(pending);
        pending.clear();
    }
    if (utf8.hasError() || !pending.isEmpty()) {
        // Not UTF-8: the whole file once more, as Windows-1252.
        if (!file.seek(0)) return std::nullopt;
        const QByteArray all = file.readAll();
        if (file.error() != QFileDevice::NoError) return std::nullopt;
        *size = all.size();
        result.text.clear();
        return decode_document(all);
    }
    result.encoding = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
    result.line_ends = detect_line_ends(result.text);
    return result;
}

QByteArray encode_document(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252:
        return encode_1252(text);
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        QStringEncoder encoder(utf16_converter(encoding), QStringEncoder::Flag::Stateless);
        const QByteArray body = encoder.encode(text);
        return (encoding == TextEncoding::Utf16Le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF")) + body;
    }
    case TextEncoding::Utf8:
        break;
    }
    return text.toUtf8();
}

namespace {

// Whether a block of 16 code units holds one that needs a closer look: a surrogate, or (for the code page)
// anything outside ASCII. Written without branches so that the compiler checks the block at once.
bool block_needs_look(const char16_t* block, bool utf8) {
    unsigned any = 0;
    if (utf8) {
        for (int k = 0; k < 16; ++k) any |= static_cast<char16_t>(block[k] - 0xD800) < 0x800;
    } else {
        for (int k = 0; k < 16; ++k) any |= block[k] >= 0x80;
    }
    return any != 0;
}

}  // namespace

qsizetype first_unencodable(QStringView text, TextEncoding encoding) {
    const bool utf8 = encoding != TextEncoding::Windows1252;  // and UTF-16: both hold every character
    const char16_t* const data = text.utf16();
    const qsizetype size = text.size();
    // Most characters are no surrogate (and, for the code page, ASCII): whole blocks of them are passed over.
    const char16_t plain_below = utf8 ? 0xD800 : 0x80;
    for (qsizetype i = 0; i < size; ++i) {
        while (i + 16 <= size && !block_needs_look(data + i, utf8)) i += 16;
        while (i < size && (data[i] < plain_below || (utf8 && data[i] > 0xDFFF))) ++i;
        if (i == size) break;
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            if (!utf8) return i;
            ++i;
        } else if (c.isSurrogate() || (!utf8 && code_1252(c) < 0)) {
            return i;
        }
    }
    return -1;
}

int line_at(QStringView text, qsizetype index) {
    int line = 1;
    for (qsizetype i = 0; i < index; ++i)
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) ++line;
    return line;
}

QString character_code(QStringView text, qsizetype index) {
    char32_t code = text[index].unicode();
    if (text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(text[index], text[index + 1]);
    return QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString encoding_name(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252: return QStringLiteral("Windows-1252");
    case TextEncoding::Utf16Le: return QStringLiteral("UTF-16LE");
    case TextEncoding::Utf16Be: return QStringLiteral("UTF-16BE");
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: break;
    }
    return QStringLiteral("UTF-8");
}

namespace {

template <typename Text>
LineEnds first_line_end(const Text& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') return LineEnds::Lf;
        if (text[i] == '\r') return (i + 1 < text.size() && text[i + 1] == '\n') ? LineEnds::CrLf : LineEnds::Cr;
    }
    return LineEnds::CrLf;
}

}  // namespace

LineEnds detect_line_ends(const QString& text) { return first_line_end(text); }
LineEnds detect_line_ends(QByteArrayView bytes) { return first_line_end(bytes); }

QString line_end_text(LineEnds ends) {
    switch (ends) {
    case LineEnds::Lf: return QStringLiteral("\n");
    case LineEnds::Cr: return QStringLiteral("\r");
    case LineEnds::CrLf: break;
    }
    return QStringLiteral("\r\n");
}

}  // namespace tamsel
