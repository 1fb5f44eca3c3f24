#pragma once
// Texts on disk: documents are UTF-8 (with or without a byte-order mark), UTF-16 when a byte-order mark
// says so, and fall back to Windows-1252; database files hold 8-bit Windows-1252. The five byte values Windows-1252 leaves undefined map to the
// control characters of the same code, so every byte survives a round trip.
#include <QByteArray>
#include <QString>
#include <optional>

namespace tamsel {

// The UTF-16 encodings always carry their byte-order mark: without one a file is not taken for UTF-16.
enum class TextEncoding { Utf8, Utf8Bom, Windows1252, Utf16Le, Utf16Be };
enum class LineEnds { CrLf, Lf, Cr };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnds line_ends = LineEnds::CrLf;
    // NUL bytes in the first binary_probe bytes of a file that is not UTF-16: most likely no text at all.
    bool binary = false;
    // Set instead of text by decode_for_editor when the file is UTF-8: its bytes after any byte-order mark.
    QByteArray utf8;

    // The text, whichever way it is held.
    QString whole_text() const;
};

constexpr qsizetype binary_probe = 8192;

// Windows-1252 byte <-> character. A character with no byte becomes '?': check with first_unencodable.
QString decode_1252(QByteArrayView bytes);
QByteArray encode_1252(QStringView text);
void append_1252(QByteArray& out, QStringView text);
// The Windows-1252 code of one character, or -1 when it has none; used to order texts as bytes.
int code_1252(QChar c);

// Decodes a document: UTF-16 when a byte-order mark says so and the rest is whole UTF-16, UTF-8 when the
// bytes are valid UTF-8, otherwise Windows-1252. Each of them gives the same bytes back when encoded.
DecodedText decode_document(const QByteArray& bytes);
// UTF-8 bytes as characters, every one of them: QString::fromUtf8 drops a U+FEFF standing first, which in
// a page is a character like any other (a second byte-order mark, a no-width space) and must survive.
QString decode_utf8(QByteArrayView bytes);
// A document as the editor takes it: valid UTF-8 keeps its bytes (in utf8, the text left empty), since the
// editor holds UTF-8 itself and a large page is then never held as UTF-16 beside them; anything else is
// decoded as decode_document decodes it.
DecodedText decode_for_editor(QByteArray bytes);
// The file at path decoded as decode_document decodes its bytes, read in blocks so that a large file is not
// held twice (as bytes and as text); size is set to the file's length. Empty when the file cannot be read.
std::optional<DecodedText> read_document(const QString& path, qint64* size, qsizetype block = 1 << 20);
// Every character encoding cannot hold becomes '?', so a caller that must not lose text asks
// first_unencodable before it writes.
QByteArray encode_document(const QString& text, TextEncoding encoding);

// The index of the first character encoding cannot hold, or -1 when every one fits. UTF-8 holds every
// character; a surrogate without its partner is no character, so it fits no encoding. A character beyond
// U+FFFF starts at its high surrogate.
qsizetype first_unencodable(QStringView text, TextEncoding encoding);
// The character at index for messages, "U+4E2D"; a surrogate pair gives its one code point.
QString character_code(QStringView text, qsizetype index);
// The line (from 1) that index falls on, counting CR LF, LF and CR alike.
int line_at(QStringView text, qsizetype index);
// The encoding's name for messages: "UTF-8", "Windows-1252", "UTF-16LE" or "UTF-16BE".
QString encoding_name(TextEncoding encoding);

// The line-end style a text uses most at its first line end (CR LF when it has none).
LineEnds detect_line_ends(const QString& text);
LineEnds detect_line_ends(QByteArrayView bytes);
QString line_end_text(LineEnds ends);

}  // namespace tamsel
