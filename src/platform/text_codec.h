#pragma once
// Texts on disk: documents are UTF-8 (with or without a byte-order mark) and fall back to Windows-1252;
// database files hold 8-bit Windows-1252. The five byte values Windows-1252 leaves undefined map to the
// control characters of the same code, so every byte survives a round trip.
#include <QByteArray>
#include <QString>
#include <optional>

namespace tamsel {

enum class TextEncoding { Utf8, Utf8Bom, Windows1252 };
enum class LineEnds { CrLf, Lf, Cr };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnds line_ends = LineEnds::CrLf;
};

// Windows-1252 byte <-> character. A character with no byte becomes '?': check with first_unencodable.
QString decode_1252(const QByteArray& bytes);
QByteArray encode_1252(const QString& text);
// The Windows-1252 code of one character, or -1 when it has none; used to order texts as bytes.
int code_1252(QChar c);

// Decodes a document: UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
DecodedText decode_document(const QByteArray& bytes);
// The file at path decoded as decode_document decodes its bytes, read in blocks so that a large file is not
// held twice (as bytes and as text); size is set to the file's length. Empty when the file cannot be read.
std::optional<DecodedText> read_document(const QString& path, qint64* size, qsizetype block = 1 << 20);
// Every character encoding cannot hold becomes '?', so a caller that must not lose text asks
// first_unencodable before it writes.
QByteArray encode_document(const QString& text, TextEncoding encoding);

// The index of the first character encoding cannot hold, or -1 when every one fits. UTF-8 holds every
// character; a surrogate without its partner is no character, so it fits no encoding. A character beyond
// U+FFFF starts at its high surrogate.
qsizetype first_unencodable(const QString& text, TextEncoding encoding);
// The character at index for messages, "U+4E2D"; a surrogate pair gives its one code point.
QString character_code(const QString& text, qsizetype index);
// The encoding's name for messages: "UTF-8" or "Windows-1252".
QString encoding_name(TextEncoding encoding);

// The line-end style a text uses most at its first line end (CR LF when it has none).
LineEnds detect_line_ends(const QString& text);
QString line_end_text(LineEnds ends);

}  // namespace tamsel
