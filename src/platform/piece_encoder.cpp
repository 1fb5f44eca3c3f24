#include "platform/piece_encoder.h"

#include <QStringEncoder>

namespace tamsel {

PieceEncoder::PieceEncoder(TextEncoding encoding) : encoding_(encoding), bytes_(encode_document(QString(), encoding)) {}

void PieceEncoder::add(QStringView piece) {
    if (failed() || piece.isEmpty()) return;
    if (const qsizetype at = first_unencodable(piece, encoding_); at >= 0) {
        failed_line_ = lines_before_ + line_at(piece, at);
        failed_code_ = character_code(piece, at);
        return;
    }
    switch (encoding_) {
    case TextEncoding::Windows1252:
        bytes_ += encode_1252(piece);
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        // The mark is written once, at the start; each piece is whole characters, so it encodes alone.
        QStringEncoder utf16(encoding_ == TextEncoding::Utf16Le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                             QStringConverter::Flag::Stateless);
        bytes_ += utf16.encode(piece);
        break;
    }
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        bytes_ += piece.toUtf8();
        break;
    }
    lines_before_ += line_at(piece, piece.size()) - 1;
}

}  // namespace tamsel
