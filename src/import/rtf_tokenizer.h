#pragma once
// Splits RTF bytes into groups, control words, control symbols, "\'hh" bytes and runs of text. Line
// breaks in the file are not text; "\" before one is a paragraph break (\par). The data of "\binN" is
// skipped here (N bytes, at most what is left), so no later step can mistake it for RTF.
#include <QByteArrayView>
#include <string_view>

namespace tamsel {

struct RtfToken {
    enum Kind : unsigned char { end, line_end, group_open, group_close, word, symbol, byte, run };
    RtfToken() = default;
    explicit RtfToken(Kind k) : kind(k) {}
    Kind kind = end;
    std::string_view name;  // word: the letters
    int param = 0;          // word: the number after the letters (clamped to the int range), else 0
    bool has_param = false;
    unsigned char value = 0;  // symbol: the character after "\"; byte: the value of "\'hh"
    QByteArrayView text;      // run: bytes that hold no "\", "{", "}" or line break
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView data) : data_(data) {}
    RtfToken next();
    qsizetype position() const { return at_; }

private:
    RtfToken control();
    RtfToken word();
    void skip_binary(const RtfToken& bin);

    QByteArrayView data_;
    qsizetype at_ = 0;
};

}  // namespace tamsel
