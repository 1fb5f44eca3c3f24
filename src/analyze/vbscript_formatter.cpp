#include "analyze/vbscript_formatter.h"

#include "analyze/line_emitter.h"
#include "tagdb/table_order.h"

#include <algorithm>
#include <array>

namespace tamsel {
namespace {

// The keywords a line begins with, in the order they are tried.
constexpr std::array<QStringView, 11> opening_keywords = {
    u"sub", u"function", u"select", u"for", u"with", u"while", u"do", u"case", u"if", u"else", u"elseif"};
constexpr std::array<QStringView, 7> closing_keywords = {u"end",  u"wend",   u"loop", u"next",
                                                         u"else", u"elseif", u"case"};

constexpr QChar dquote = QLatin1Char('"');
constexpr QChar squote = QLatin1Char('\'');

bool is_identifier_char(QChar c) {
    const char16_t u = c.toLower().unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'_';
}

bool begins_with_keyword(QStringView lower, QStringView keyword) {
    if (!lower.startsWith(keyword) || lower.size() == keyword.size()) return false;
    const QChar next = lower[keyword.size()];
    return next == QLatin1Char(' ') || next == QLatin1Char('(');
}

// Where " then " stands outside strings and before a comment, or -1.
qsizetype then_position(QStringView lower) {
    bool in_string = false;
    for (qsizetype i = 0; i < lower.size(); ++i) {
        const QChar c = lower[i];
        if (c == dquote) in_string = !in_string;
        else if (in_string) continue;
        else if (c == squote) return -1;
        else if (lower.mid(i).startsWith(u" then ")) return i;
    }
    return -1;
}

// TABs outside strings become blanks; a TAB inside a string is part of its value.
QString blanks_for_tabs(QStringView line) {
    QString out = line.toString();
    bool in_string = false;
    for (QChar& c : out) {
        if (c == dquote) in_string = !in_string;
        else if (!in_string && c == QLatin1Char('\t')) c = QLatin1Char(' ');
    }
    return out;
}

struct LevelChange {
    int close = 0;
    int open = 0;
};

// How a line (TABs made blanks, trimmed) moves the level: close before it, open after it.
LevelChange level_change(const QString& line) {
    const QString lower = line.toLower() + QLatin1Char(' ');
    LevelChange change;
    QStringView opened_by;
    for (QStringView k : opening_keywords) {
        const bool opens = begins_with_keyword(lower, k) ||
                           (lower.startsWith(u"public ") && begins_with_keyword(QStringView(lower).mid(7), k)) ||
                           (lower.startsWith(u"private ") && begins_with_keyword(QStringView(lower).mid(8), k));
        if (opens) {
            change.open = 1;
            opened_by = k;
            break;
        }
    }
    for (QStringView k : closing_keywords) {
        if (begins_with_keyword(lower, k)) {
            change.close = 1;
            break;
        }
    }
    // A one-line If: more than a comment after its Then.
    if (opened_by == u"if") {
        const qsizetype then = then_position(lower);
        if (then >= 0) {
            const QString after = QStringView(lower).mid(then + 6).trimmed().toString() + QLatin1Char(' ');
            if (!after.trimmed().isEmpty() && !after.startsWith(squote) && !after.startsWith(u"rem ")) change.open = 0;
        }
    }
    return change;
}

// Drops the blanks next to "=", "," and other blanks, outside strings; a comment keeps its own.
QString clean_vbscript_blanks(const QString& line) {
    const auto sticks = [](QChar c) { return c == QLatin1Char('=') || c == QLatin1Char(',') || c == QLatin1Char(' '); };
    QString out;
    out.reserve(line.size());
    QChar quote;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quote == squote && c == squote) {
            // A comment closed by a second quote: what follows it is taken as it stands.
            return out.trimmed().append(QLatin1Char(' ')).append(QStringView(line).mid(i));
        }
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            out.append(c);
        } else if (c == dquote || c == squote) {
            quote = c;
            out.append(c);
        } else if (c == QLatin1Char(' ')) {
            const bool drop = out.isEmpty() || sticks(out.back()) || i + 1 == line.size() || sticks(line[i + 1]);
            if (!drop) out.append(c);
        } else {
            out.append(c);
        }
    }
    return out;
}

}  // namespace

void VBScriptFormatter::format_line(QStringView raw, LineEmitter& out) const {
    const QString line = blanks_for_tabs(raw).trimmed();
    if (line.isEmpty()) return;
    const LevelChange change = level_change(line);
    for (int i = 0; i < change.close; ++i) out.close_level();
    const QString written = db_.vocabulary().size() > 1 ? with_word_forms(line) : line;
    out.write_line(clean_vbscript_blanks(written));
    for (int i = 0; i < change.open; ++i) out.open_level();
    if (script_break_ && out.level() == 0) {
        const QString lower = line.toLower();
        if (lower.startsWith(u"end sub") || lower.startsWith(u"end function")) out.write_blank_line();
    }
}

// Each word outside strings and before a comment in its written form; runs that begin with a digit (numbers)
// stay as they are.
QString VBScriptFormatter::with_word_forms(const QString& line) const {
    QString out;
    out.reserve(line.size());
    bool in_string = false;
    qsizetype i = 0;
    while (i < line.size()) {
        const QChar c = line[i];
        if (c == dquote) in_string = !in_string;
        if (in_string || c == dquote || !is_identifier_char(c)) {
            if (!in_string && c == squote) return out.append(QStringView(line).mid(i));
            out.append(c);
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < line.size() && is_identifier_char(line[end])) ++end;
        const QStringView word = QStringView(line).mid(i, end - i);
        if (c.isDigit()) {
            out.append(word);
        } else {
            // A name with "_" keeps what comes before its first "_" as typed.
            const qsizetype underscore = word.indexOf(QLatin1Char('_'));
            if (underscore < 0) out.append(written_form(word));
            else out.append(word.left(underscore)).append(written_form(word.mid(underscore)));
        }
        i = end;
    }
    return out;
}

QString VBScriptFormatter::written_form(QStringView word) const {
    const QString lower = word.toString().toLower();
    const Table<VocabEntry>& vocabulary = db_.vocabulary();
    const auto first = vocabulary.begin() + 1;
    const auto it = std::lower_bound(first, vocabulary.end(), lower,
                                     [](const VocabEntry& e, const QString& w) { return compare_8bit(e.lower, w) < 0; });
    return it != vocabulary.end() && it->lower == lower ? it->written : lower;
}

}  // namespace tamsel
