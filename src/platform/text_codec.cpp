#include "platform/text_codec.h"

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

QString decode_1252(const QByteArray& bytes) {
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

QByteArray encode_1252(const QString& text) {
    QByteArray out;
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = code_1252(text[i]);
        out[i] = static_cast<char>(code < 0 ? '?' : code);
    }
    return out;
}

DecodedText decode_document(const QByteArray& bytes) {
    DecodedText result;
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    // Decode without the converter's own BOM handling so that the flag we keep says what the file had.
    const QByteArrayView body = bom ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
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

QByteArray encode_document(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252:
        return encode_1252(text);
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf8:
        break;
    }
    return text.toUtf8();
}

qsizetype first_unencodable(const QString& text, TextEncoding encoding) {
    const bool utf8 = encoding != TextEncoding::Windows1252;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (!utf8) return i;
            ++i;
        } else if (c.isSurrogate() || (!utf8 && code_1252(c) < 0)) {
            return i;
        }
    }
    return -1;
}

QString character_code(const QString& text, qsizetype index) {
    char32_t code = text[index].unicode();
    if (text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(text[index], text[index + 1]);
    return QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString encoding_name(TextEncoding encoding) {
    return encoding == TextEncoding::Windows1252 ? QStringLiteral("Windows-1252") : QStringLiteral("UTF-8");
}

LineEnds detect_line_ends(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') return LineEnds::Lf;
        if (text[i] == u'\r') return (i + 1 < text.size() && text[i + 1] == u'\n') ? LineEnds::CrLf : LineEnds::Cr;
    }
    return LineEnds::CrLf;
}

QString line_end_text(LineEnds ends) {
    switch (ends) {
    case LineEnds::Lf: return QStringLiteral("\n");
    case LineEnds::Cr: return QStringLiteral("\r");
    case LineEnds::CrLf: break;
    }
    return QStringLiteral("\r\n");
}

}  // namespace tamsel
