#include "analyze/javascript_formatter.h"

#include "analyze/line_emitter.h"

namespace tamsel {
namespace {

bool is_word_char(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

bool at(QStringView line, qsizetype i, QStringView text) { return line.mid(i).startsWith(text); }

// After these words a "/" begins a regular expression, not a division.
constexpr QStringView words_before_operand[] = {u"return", u"typeof", u"instanceof", u"in",    u"of",
                                                u"new",    u"delete", u"void",       u"throw", u"case",
                                                u"do",     u"else",   u"yield",      u"await"};

}  // namespace

void JavaScriptFormatter::format_line(QStringView line, QStringView gap, LineEmitter& out) {
    if (continued_) pending_.append(gap);
    line_has_code_ = continued_;
    bool string_runs_on = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (comment_) {
            pending_.append(c);
            if (c == QLatin1Char('*') && at(line, i + 1, u"/")) {
                pending_.append(QLatin1Char('/'));
                ++i;
                comment_ = false;
            }
        } else if (!quote_.isNull()) {
            pending_.append(c);
            if (c == QLatin1Char('\\')) {
                if (i + 1 < line.size()) pending_.append(line[++i]);
                else string_runs_on = true;
            } else if (c == quote_) {
                quote_ = QChar();
                note_operand();
            }
        } else if (!templates_.isEmpty() && !templates_.last().in_code) {
            pending_.append(c);
            if (c == QLatin1Char('\\') && i + 1 < line.size()) {
                pending_.append(line[++i]);
            } else if (c == QLatin1Char('`')) {
                templates_.removeLast();
                note_operand();
            } else if (c == QLatin1Char('$') && at(line, i + 1, u"{")) {
                pending_.append(QLatin1Char('{'));
                ++i;
                templates_.last() = {true, 0};
                note_code(QLatin1Char('{'));
            }
        } else {
            i = code_char(line, i, out);
        }
    }
    if (!string_runs_on) quote_ = QChar();  // a string cannot end a line unless a backslash carries it on
    continued_ = string_runs_on || !templates_.isEmpty();
    if (!continued_) write_pending(out);
}

// One character of code (or of code inside "${ }"); returns the index of the last character it took.
qsizetype JavaScriptFormatter::code_char(QStringView line, qsizetype i, LineEmitter& out) {
    const QChar c = line[i];
    if (is_blank(c)) {
        pending_.append(QLatin1Char(' '));
        in_word_ = false;
        return i;
    }
    const bool first_code = !line_has_code_;
    line_has_code_ = true;
    // Comments to the end of the line: "//", and the markers that hide a script from old browsers.
    if (at(line, i, u"//") || at(line, i, u"<!--") || (first_code && at(line, i, u"-->"))) {
        pending_.append(line.mid(i));
        return line.size() - 1;
    }
    if (at(line, i, u"/*")) {
        comment_ = true;
        pending_.append(QStringLiteral("/*"));
        return i + 1;
    }
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        quote_ = c;
        pending_.append(c);
        return i;
    }
    if (c == QLatin1Char('`')) {
        templates_.append(Template{});
        pending_.append(c);
        return i;
    }
    if (c == QLatin1Char('/') && regex_may_start()) return copy_regex(line, i);
    Template* inner = templates_.isEmpty() ? nullptr : &templates_.last();
    if (c == QLatin1Char('{')) {
        if (inner) {
            ++inner->depth;
            pending_.append(c);
            note_code(c);
        } else {
            open_brace(out);
        }
        return i;
    }
    if (c == QLatin1Char('}')) {
        if (inner) {
            pending_.append(c);
            if (inner->depth == 0) inner->in_code = false;  // back in the template's text
            else --inner->depth;
            note_code(c);
        } else {
            close_brace(out);
        }
        return i;
    }
    pending_.append(c);
    note_code(c);
    return i;
}

// A regular expression literal from its "/" to its closing "/" (a "/" inside [...] or after a backslash
// does not close it); the flags after it are ordinary code.
qsizetype JavaScriptFormatter::copy_regex(QStringView line, qsizetype i) {
    pending_.append(line[i]);
    bool in_class = false;
    qsizetype j = i + 1;
    for (; j < line.size(); ++j) {
        const QChar c = line[j];
        pending_.append(c);
        if (c == QLatin1Char('\\') && j + 1 < line.size()) pending_.append(line[++j]);
        else if (in_class) in_class = c != QLatin1Char(']');
        else if (c == QLatin1Char('[')) in_class = true;
        else if (c == QLatin1Char('/')) break;
    }
    note_operand();
    return j < line.size() ? j : line.size() - 1;
}

void JavaScriptFormatter::open_brace(LineEmitter& out) {
    // A line break after these words would end the statement there: the brace stays on their line.
    if (keyword_before({u"return", u"throw", u"yield", u"break", u"continue"})) {
        pending_.append(QLatin1Char('{'));
        write_pending(out);
    } else {
        write_pending(out);
        out.write_line(u"{");
    }
    out.open_level();
    note_code(QLatin1Char('{'));
}

void JavaScriptFormatter::close_brace(LineEmitter& out) {
    write_pending(out);
    out.close_level();
    out.write_line(u"}");
    note_code(QLatin1Char('}'));
}

void JavaScriptFormatter::write_pending(LineEmitter& out) {
    out.write_line(trimmed_view(pending_));
    pending_.clear();
}

void JavaScriptFormatter::finish(LineEmitter& out) {
    write_pending(out);
    *this = JavaScriptFormatter();
}

bool JavaScriptFormatter::keyword_before(std::initializer_list<QStringView> keywords) const {
    if (!is_word_char(last_) || word_after_dot_) return false;
    for (QStringView k : keywords)
        if (last_word_ == k) return true;
    return false;
}

// After an operand (a name, a number, a literal, ")" or "]") a "/" divides; elsewhere it begins a regular
// expression. After "}" it may be either: taking it for an expression never breaks a line inside one.
bool JavaScriptFormatter::regex_may_start() const {
    if (last_.isNull()) return true;
    if (is_word_char(last_)) {
        for (QStringView k : words_before_operand)
            if (keyword_before({k})) return true;
        return false;
    }
    return last_ != QLatin1Char(')') && last_ != QLatin1Char(']') && last_ != QLatin1Char('"');
}

void JavaScriptFormatter::note_code(QChar c) {
    if (is_word_char(c)) {
        if (!in_word_) {
            word_after_dot_ = last_ == QLatin1Char('.');
            last_word_.clear();
        }
        last_word_.append(c);
        in_word_ = true;
    } else {
        in_word_ = false;
        last_word_.clear();
    }
    last_ = c;
}

// A string, template literal or regular expression ended: for what follows, it counts as a value.
void JavaScriptFormatter::note_operand() {
    in_word_ = false;
    last_word_.clear();
    last_ = QLatin1Char('"');
}

}  // namespace tamsel
