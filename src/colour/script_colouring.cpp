#include "colour/script_colouring.h"

#include "core/document_kinds.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tamsel {
namespace {

enum class Word : unsigned char { plain, keyword, string, comment, number, selector, property, value, at_rule };

struct WordColour {
    Word word;
    ColourValue ColourScheme::*colour;
};

// Which highlight colour each word class takes: keywords and selectors as tags, literals as values.
constexpr std::array<WordColour, 9> word_colours = {{
    {Word::plain,    &ColourScheme::normal},
    {Word::keyword,  &ColourScheme::tag},
    {Word::string,   &ColourScheme::val},
    {Word::comment,  &ColourScheme::com},
    {Word::number,   &ColourScheme::arg},
    {Word::selector, &ColourScheme::tag},
    {Word::property, &ColourScheme::arg},
    {Word::value,    &ColourScheme::val},
    {Word::at_rule,  &ColourScheme::asp},
}};
static_assert(std::ranges::all_of(word_colours, [](const WordColour& w) { return word_colours[static_cast<int>(w.word)].word == w.word; }));

// Sorted, so that a word is found by binary search.
constexpr auto javascript_keywords = std::to_array<std::string_view>({
    "async", "await", "break", "case", "catch", "class", "const", "continue", "debugger", "default", "delete", "do",
    "else", "export", "extends", "false", "finally", "for", "function", "if", "import", "in", "instanceof", "let",
    "new", "null", "of", "return", "static", "super", "switch", "this", "throw", "true", "try", "typeof",
    "undefined", "var", "void", "while", "with", "yield",
});
// Keywords after which a value follows, so that a "/" there ends nothing and opens a pattern.
constexpr auto javascript_values = std::to_array<std::string_view>({"false", "null", "super", "this", "true", "undefined"});

// In lower case; VBScript matches them in any case.
constexpr auto vbscript_keywords = std::to_array<std::string_view>({
    "and", "as", "boolean", "byref", "byte", "byval", "call", "case", "class", "const", "currency", "dim", "do",
    "double", "each", "else", "elseif", "empty", "end", "eqv", "erase", "error", "exit", "explicit", "false",
    "for", "function", "get", "goto", "if", "imp", "in", "is", "let", "like", "loop", "me", "mod", "new", "next",
    "not", "nothing", "null", "on", "option", "or", "preserve", "private", "property", "public", "randomize",
    "redim", "resume", "select", "set", "step", "stop", "sub", "then", "to", "true", "until", "wend", "while",
    "with", "xor",
});

// At-rules whose block holds rules with selectors; every other block holds declarations.
constexpr auto css_group_rules = std::to_array<std::string_view>({
    "-moz-document", "container", "document", "layer", "media", "scope", "starting-style", "supports",
});

static_assert(std::ranges::is_sorted(javascript_keywords) && std::ranges::is_sorted(javascript_values));
static_assert(std::ranges::is_sorted(vbscript_keywords) && std::ranges::is_sorted(css_group_rules));

constexpr qsizetype longest_word = 16;

// Whether word is in table; fold lowers ASCII letters first. Longer or non-ASCII words are in no table.
template <std::size_t N>
bool in_table(const std::array<std::string_view, N>& table, QStringView word, bool fold) {
    if (word.size() > longest_word) return false;
    std::array<char, longest_word> ascii{};
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c > 0x7F) return false;
        ascii[static_cast<std::size_t>(i)] = static_cast<char>(fold && c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return std::ranges::binary_search(table, std::string_view(ascii.data(), static_cast<std::size_t>(word.size())));
}

bool is_digit(QChar c) { return c >= u'0' && c <= u'9'; }
bool is_word_start(QChar c) { return c.isLetter() || c == u'_' || c == u'$'; }
bool is_word_char(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }
bool is_line_end(QChar c) { return c == u'\n' || c == u'\r'; }

// Collects the runs; whatever no lexer marked is plain.
class Runs {
public:
    explicit Runs(const ColourScheme& scheme) : scheme_(scheme) {}

    void mark(qsizetype from, qsizetype to, Word word) {
        if (from > covered_) add(covered_, from, scheme_.normal);
        if (to > from) add(from, to, scheme_.*word_colours[static_cast<int>(word)].colour);
        covered_ = std::max(covered_, to);
    }
    QList<ColourRun> finish(qsizetype size) {
        mark(size, size, Word::plain);
        return std::move(runs_);
    }

private:
    void add(qsizetype from, qsizetype to, ColourValue colour) {
        if (!runs_.isEmpty() && runs_.last().colour == colour) runs_.last().length = to - runs_.last().start;
        else runs_.append({from, to - from, colour});
    }
    const ColourScheme& scheme_;
    QList<ColourRun> runs_;
    qsizetype covered_ = 0;
};

// Reads a text a character at a time; every step leaves it on the first character not yet taken.
class Lexer {
public:
    Lexer(QStringView text, Runs& runs) : t_(text), runs_(runs) {}

protected:
    QChar at(qsizetype i) const { return i < t_.size() ? t_[i] : QChar(); }
    qsizetype line_end_from(qsizetype i) const {
        while (i < t_.size() && !is_line_end(t_[i])) ++i;
        return i;
    }
    qsizetype word_end_from(qsizetype i) const {
        while (i < t_.size() && is_word_char(t_[i])) ++i;
        return i;
    }
    // A string from its opening quote to the closing one; a backslash takes the next character with it,
    // and an unclosed string ends with its line unless it may run on.
    qsizetype quoted_end_from(qsizetype i, bool escapes, bool multi_line) const {
        const QChar quote = t_[i++];
        while (i < t_.size()) {
            const QChar c = t_[i];
            if (c == quote) return i + 1;
            if (!multi_line && is_line_end(c)) return i;
            i += escapes && c == u'\\' && i + 1 < t_.size() ? 2 : 1;
        }
        return i;
    }
    qsizetype block_comment_end_from(qsizetype i) const {
        const qsizetype close = t_.indexOf(u"*/", i + 2);
        return close < 0 ? t_.size() : close + 2;
    }

    // Digits, letters (hex digits, exponents, type marks), points and the sign of an exponent.
    qsizetype number_end_from(qsizetype i) const {
        const bool hex = t_[i] == u'0' && (at(i + 1) == u'x' || at(i + 1) == u'X');
        for (++i; i < t_.size(); ++i) {
            const QChar c = t_[i];
            const bool sign = (c == u'+' || c == u'-') && !hex && (t_[i - 1] == u'e' || t_[i - 1] == u'E');
            if (!is_word_char(c) && c != u'.' && !sign) break;
        }
        return i;
    }

    QStringView t_;
    Runs& runs_;
};

class JavaScriptLexer : public Lexer {
public:
    using Lexer::Lexer;
    void run() {
        qsizetype i = 0;
        // Whether a "/" here would open a pattern rather than divide: it does where no value stands before it.
        bool pattern_may_start = true;
        while (i < t_.size()) {
            const QChar c = t_[i];
            const QChar next = at(i + 1);
            qsizetype end = i + 1;
            if (c == u'/' && next == u'/') {
                end = line_end_from(i);
                runs_.mark(i, end, Word::comment);
            } else if (c == u'/' && next == u'*') {
                end = block_comment_end_from(i);
                runs_.mark(i, end, Word::comment);
            } else if (c == u'"' || c == u'\'' || c == u'`') {
                end = quoted_end_from(i, true, c == u'`');
                runs_.mark(i, end, Word::string);
                pattern_may_start = false;
            } else if (c == u'/' && pattern_may_start) {
                end = word_end_from(pattern_end_from(i));  // the flags after the closing "/"
                runs_.mark(i, end, Word::string);
                pattern_may_start = false;
            } else if (is_digit(c) || (c == u'.' && is_digit(next))) {
                end = number_end_from(i);
                runs_.mark(i, end, Word::number);
                pattern_may_start = false;
            } else if (is_word_start(c)) {
                end = word_end_from(i);
                const QStringView word = t_.sliced(i, end - i);
                const bool keyword = in_table(javascript_keywords, word, false);
                if (keyword) runs_.mark(i, end, Word::keyword);
                pattern_may_start = keyword && !in_table(javascript_values, word, false);
            } else if (!c.isSpace()) {
                pattern_may_start = c != u')' && c != u']' && c != u'}';
            }
            i = end;
        }
    }

private:
    // A pattern ends at a "/" outside a character class, or with its line.
    qsizetype pattern_end_from(qsizetype i) const {
        bool in_class = false;
        for (++i; i < t_.size() && !is_line_end(t_[i]); ++i) {
            const QChar c = t_[i];
            if (c == u'\\') ++i;
            else if (c == u'[') in_class = true;
            else if (c == u']') in_class = false;
            else if (c == u'/' && !in_class) return i + 1;
        }
        return std::min(i, t_.size());
    }
};

class VBScriptLexer : public Lexer {
public:
    using Lexer::Lexer;
    void run() {
        qsizetype i = 0;
        while (i < t_.size()) {
            const QChar c = t_[i];
            qsizetype end = i + 1;
            if (c == u'\'') {
                end = line_end_from(i);
                runs_.mark(i, end, Word::comment);
            } else if (c == u'"') {
                end = string_end_from(i);
                runs_.mark(i, end, Word::string);
            } else if (is_digit(c) || (c == u'.' && is_digit(at(i + 1)))) {
                end = number_end_from(i);
                runs_.mark(i, end, Word::number);
            } else if (c == u'&' && is_radix_number(i)) {
                end = word_end_from(i + 1);
                if (at(end) == u'&') ++end;  // the type mark of a long
                runs_.mark(i, end, Word::number);
            } else if (c == u'#') {
                end = date_end_from(i);
                if (end > i + 1) runs_.mark(i, end, Word::string);
            } else if (is_word_start(c)) {
                end = word_end_from(i);
                const QStringView word = t_.sliced(i, end - i);
                if (word.compare(u"rem", Qt::CaseInsensitive) == 0 && (end == t_.size() || t_[end].isSpace() || t_[end] == u':')) {
                    end = line_end_from(i);
                    runs_.mark(i, end, Word::comment);
                } else if (in_table(vbscript_keywords, word, true)) {
                    runs_.mark(i, end, Word::keyword);
                }
            }
            i = end;
        }
    }

private:
    // "&H1F" and "&O17" are numbers; "&" alone joins strings.
    bool is_radix_number(qsizetype i) const {
        const QChar radix = at(i + 1).toLower();
        const char16_t digit = at(i + 2).toLower().unicode();
        if (radix == u'h') return (digit >= u'0' && digit <= u'9') || (digit >= u'a' && digit <= u'f');
        return radix == u'o' && digit >= u'0' && digit <= u'7';
    }
    // A doubled quote stands for one quote inside the string; a string never runs over its line.
    qsizetype string_end_from(qsizetype i) const {
        for (++i; i < t_.size() && !is_line_end(t_[i]); ++i) {
            if (t_[i] != u'"') continue;
            if (at(i + 1) != u'"') return i + 1;
            ++i;
        }
        return i;
    }
    // A date literal "#1/2/2001#" closes on its line; a lone "#" is only a character.
    qsizetype date_end_from(qsizetype i) const {
        const qsizetype close = t_.indexOf(u'#', i + 1);
        const qsizetype line_end = line_end_from(i);
        return close >= 0 && close < line_end ? close + 1 : i + 1;
    }
};

class CssLexer : public Lexer {
public:
    using Lexer::Lexer;
    void run() {
        qsizetype i = 0;
        while (i < t_.size()) {
            const QChar c = t_[i];
            qsizetype end = i + 1;
            if (c == u'/' && at(i + 1) == u'*') {
                end = block_comment_end_from(i);
                runs_.mark(i, end, Word::comment);
            } else if (c == u'"' || c == u'\'') {
                end = quoted_end_from(i, true, false);
                runs_.mark(i, end, Word::string);
            } else if (c == u'{') {
                open_block();
            } else if (c == u'}') {
                if (depth_ > 0) --depth_;
                in_value_ = false;
                prelude_ = Prelude::none;
            } else if (c == u'@' && !in_value_) {
                end = at_rule_end_from(i);
                runs_.mark(i, end, Word::at_rule);
            } else if (c == u';') {
                in_value_ = false;
                prelude_ = Prelude::none;
            } else if (!c.isSpace()) {
                end = mark_other(i);
            }
            i = end;
        }
    }

private:
    enum class Prelude : unsigned char { none, group_rule, other_rule };
    static constexpr int max_depth = 64;  // deeper blocks are read as declarations

    bool in_declarations() const { return depth_ > 0 && !holds_rules_[static_cast<std::size_t>(depth_ - 1)]; }

    void open_block() {
        if (depth_ < max_depth) holds_rules_[static_cast<std::size_t>(depth_)] = prelude_ == Prelude::group_rule;
        ++depth_;
        depth_ = std::min(depth_, max_depth);
        in_value_ = false;
        prelude_ = Prelude::none;
    }
    qsizetype at_rule_end_from(qsizetype i) {
        qsizetype end = i + 1;
        while (end < t_.size() && (is_word_char(t_[end]) || t_[end] == u'-')) ++end;
        prelude_ = in_table(css_group_rules, t_.sliced(i + 1, end - i - 1), true) ? Prelude::group_rule : Prelude::other_rule;
        return end;
    }
    // Outside declarations a selector; inside, a property name up to its ":", then its value.
    qsizetype mark_other(qsizetype i) {
        if (!in_declarations()) {
            if (prelude_ == Prelude::none) runs_.mark(i, i + 1, Word::selector);
            return i + 1;
        }
        if (in_value_) {
            runs_.mark(i, i + 1, Word::value);
        } else if (t_[i] == u':') {
            in_value_ = true;
        } else {
            runs_.mark(i, i + 1, Word::property);
        }
        return i + 1;
    }

    std::array<bool, max_depth> holds_rules_{};
    int depth_ = 0;
    bool in_value_ = false;
    Prelude prelude_ = Prelude::none;
};

}  // namespace

std::optional<ScriptLanguage> script_language_of(int document_type) {
    switch (document_type) {
    case doc_javascript: return ScriptLanguage::JavaScript;
    case doc_vbscript: return ScriptLanguage::VBScript;
    case doc_css: return ScriptLanguage::Css;
    default: return std::nullopt;
    }
}

QList<ColourRun> colour_script(QStringView text, ScriptLanguage language, const ColourScheme& scheme) {
    Runs runs(scheme);
    switch (language) {
    case ScriptLanguage::JavaScript: JavaScriptLexer(text, runs).run(); break;
    case ScriptLanguage::VBScript: VBScriptLexer(text, runs).run(); break;
    case ScriptLanguage::Css: CssLexer(text, runs).run(); break;
    }
    return runs.finish(text.size());
}

}  // namespace tamsel
