#pragma once
// A text encoded as it is made: the pieces a writer hands over, each ending where a line ends, become the
// bytes of a file in one encoding, so a large result is never held whole as characters beside its bytes.
#include "platform/text_codec.h"

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <QStringView>

namespace tamsel {

class PieceEncoder {
public:
    // The byte-order mark of the encoding (if it has one) comes first, as encode_document writes it.
    explicit PieceEncoder(TextEncoding encoding);

    // Encodes piece after the pieces before it. The first character the encoding cannot hold stops the
    // encoder: that piece and every later one are left out, and the character is kept for the message.
    void add(QStringView piece);

    bool failed() const { return failed_line_ > 0; }
    // The line (from 1, over all pieces) and the code ("U+039C") of the character that stopped it.
    int failed_line() const { return failed_line_; }
    const QString& failed_code() const { return failed_code_; }

    // The bytes of the pieces added, when no more will come.
    QByteArray take() { return std::move(bytes_); }
    // The bytes of the pieces added since the last part was taken, when more will come: a large result
    // goes on to its file a part at a time. A failure later on still finds its line.
    QByteArray take_part();
    qsizetype pending_size() const { return bytes_.size(); }

private:
    TextEncoding encoding_;
    QByteArray bytes_;
    qsizetype mark_size_ = 0;  // the byte-order mark at the start of bytes_, until a part is taken
    int lines_taken_ = 0;      // line ends in the parts taken
    QStringEncoder encoder_;  // UTF-8 and UTF-16
    int failed_line_ = 0;
    QString failed_code_;
};

}  // namespace tamsel
