#include "import/rtf_tokenizer.h"

#include <algorithm>
#include <climits>

namespace tamsel {
namespace {

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Whether the letters of name are word (given in lower case) in any letter case, as words are matched.
bool is_word(std::string_view name, std::string_view word) {
    return name.size() == word.size() &&
           std::equal(name.begin(), name.end(), word.begin(), [](char a, char b) { return (a | 0x20) == b; });
}

int hex_value(char c) {
    if (is_digit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

RtfToken RtfTokenizer::next() {
    const qsizetype size = data_.size();
    while (at_ < size) {
        const char c = data_[at_];
        switch (c) {
        case '{':
            ++at_;
            return RtfToken(RtfToken::group_open);
        case '}':
            ++at_;
            return RtfToken(RtfToken::group_close);
        case '\\':
            if (RtfToken t = control(); t.kind != RtfToken::end) return t;
            continue;
        case '\r':
        case '\n':
            ++at_;
            return RtfToken(RtfToken::line_end);
        default:
            break;
        }
        const qsizetype start = at_;
        while (at_ < size && data_[at_] != '\\' && data_[at_] != '{' && data_[at_] != '}' && data_[at_] != '\r' &&
               data_[at_] != '\n')
            ++at_;
        RtfToken t(RtfToken::run);
        t.text = data_.sliced(start, at_ - start);
        return t;
    }
    return RtfToken(RtfToken::end);
}

// After a backslash: a control word, "\'hh", or a control symbol. Returns an end token when nothing
// came of it (a broken "\'" escape), and the caller goes on after it.
RtfToken RtfTokenizer::control() {
    ++at_;  // the backslash
    if (at_ >= data_.size()) return RtfToken(RtfToken::end);
    const char c = data_[at_];
    if (is_letter(c)) return word();
    ++at_;
    if (c == '\r' || c == '\n') {
        RtfToken par(RtfToken::word);
        par.name = "par";
        return par;
    }
    if (c == '\'') {
        const int high = at_ < data_.size() ? hex_value(data_[at_]) : -1;
        const int low = at_ + 1 < data_.size() ? hex_value(data_[at_ + 1]) : -1;
        if (high < 0 || low < 0) return RtfToken(RtfToken::end);
        at_ += 2;
        RtfToken b(RtfToken::byte);
        b.value = static_cast<unsigned char>(high * 16 + low);
        return b;
    }
    RtfToken s(RtfToken::symbol);
    s.value = static_cast<unsigned char>(c);
    return s;
}

// Letters, then an optional number (with a sign), then one space that belongs to the word.
RtfToken RtfTokenizer::word() {
    RtfToken t(RtfToken::word);
    const qsizetype start = at_;
    while (at_ < data_.size() && is_letter(data_[at_])) ++at_;
    t.name = std::string_view(data_.data() + start, static_cast<std::size_t>(at_ - start));
    const bool negative = at_ + 1 < data_.size() && data_[at_] == '-' && is_digit(data_[at_ + 1]);
    if (negative) ++at_;
    long long value = 0;
    while (at_ < data_.size() && is_digit(data_[at_])) {
        t.has_param = true;
        if (value <= INT_MAX) value = value * 10 + (data_[at_] - '0');
        ++at_;
    }
    if (value > INT_MAX) value = INT_MAX;
    t.param = static_cast<int>(negative ? -value : value);
    if (at_ < data_.size() && data_[at_] == ' ') ++at_;
    if (is_word(t.name, "bin")) skip_binary(t);
    return t;
}

void RtfTokenizer::skip_binary(const RtfToken& bin) {
    if (bin.param <= 0) return;
    at_ += qMin<qsizetype>(bin.param, data_.size() - at_);
}

}  // namespace tamsel
