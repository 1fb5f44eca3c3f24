#include "platform/piece_encoder.h"

namespace tamsel {

namespace {

QStringConverter::Encoding converter_of(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16Le:
        return QStringConverter::Utf16LE;
    case TextEncoding::Utf16Be:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

// The line ends in encoded text: a line feed, or a carriage return without one after it. Every code unit
// of a line end is a byte of its own in UTF-8 and the code page, and two bytes in UTF-16.
int line_ends_in(QByteArrayView bytes, TextEncoding encoding) {
    const bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
    const qsizetype step = utf16 ? 2 : 1;
    const qsizetype low = encoding == TextEncoding::Utf16Be ? 1 : 0;  // where the character's low byte stands
    auto unit = [&](qsizetype i) -> char16_t {
        if (!utf16) return static_cast<unsigned char>(bytes[i]);
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[i + low]) |
                                     static_cast<unsigned char>(bytes[i + 1 - low]) << 8);
    };
    int ends = 0;
    for (qsizetype i = 0; i + step <= bytes.size(); i += step) {
        const char16_t c = unit(i);
        if (c == u'\n' || (c == u'\r' && (i + 2 * step > bytes.size() || unit(i + step) != u'\n'))) ++ends;
    }
    return ends;
}

}  // namespace

PieceEncoder::PieceEncoder(TextEncoding encoding)
    : encoding_(encoding),
      bytes_(encode_document(QString(), encoding)),
      mark_size_(bytes_.size()),
      encoder_(converter_of(encoding), QStringConverter::Flag::Stateless) {}

void PieceEncoder::add(QStringView piece) {
    if (failed() || piece.isEmpty()) return;
    if (const qsizetype at = first_unencodable(piece, encoding_); at >= 0) {
        // Lines are counted only now: pieces end where lines end, so the lines before are those written.
        failed_line_ = lines_taken_ + line_ends_in(QByteArrayView(bytes_).sliced(mark_size_), encoding_) + line_at(piece, at);
        failed_code_ = character_code(piece, at);
        return;
    }
    if (encoding_ == TextEncoding::Windows1252) {
        append_1252(bytes_, piece);
        return;
    }
    // Each piece is whole characters, so it encodes alone; the bytes go straight behind those before.
    const qsizetype start = bytes_.size();
    bytes_.resize(start + encoder_.requiredSpace(piece.size()));
    char* const end = encoder_.appendToBuffer(bytes_.data() + start, piece);
    bytes_.truncate(end - bytes_.constData());
}

QByteArray PieceEncoder::take_part() {
    lines_taken_ += line_ends_in(QByteArrayView(bytes_).sliced(mark_size_), encoding_);
    mark_size_ = 0;
    QByteArray part = std::move(bytes_);
    bytes_ = QByteArray();
    return part;
}

}  // namespace tamsel
