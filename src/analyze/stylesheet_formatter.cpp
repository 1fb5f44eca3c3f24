#include "analyze/stylesheet_formatter.h"

#include "analyze/line_emitter.h"

#include <QStringList>

namespace tamsel {
namespace {

constexpr int selector_width = 12;
constexpr int field_width = 18;

bool is_quote(QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\''); }

QString padded(QStringView text, int width) {
    QString out = text.toString();
    if (out.size() < width) out.append(QString(width - out.size(), QLatin1Char(' ')));
    return out;
}

enum class Part { code, string, comment, comment_end };

// Calls visit(i, part, parens) for each character of rule text in turn, saying whether it belongs to the
// code, a string or a comment ("comment_end" for the "/" that closes one) and how many parentheses of the
// code are open; stops when visit answers false.
template <typename Visit>
void walk_rule(QStringView text, Visit visit) {
    QChar quote;
    bool comment = false;
    int parens = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pair = i + 1 < text.size();
        Part part = Part::code;
        if (comment) {
            part = Part::comment;
            if (c == QLatin1Char('*') && pair && text[i + 1] == QLatin1Char('/')) {
                if (!visit(i, part, parens)) return;
                ++i;
                comment = false;
                part = Part::comment_end;
            }
        } else if (!quote.isNull()) {
            part = Part::string;
            if (c == QLatin1Char('\\') && pair) {
                if (!visit(i, part, parens)) return;
                ++i;
            } else if (c == quote) {
                quote = QChar();
            }
        } else if (c == QLatin1Char('/') && pair && text[i + 1] == QLatin1Char('*')) {
            part = Part::comment;
            comment = true;
            if (!visit(i, part, parens)) return;
            ++i;
        } else if (is_quote(c)) {
            part = Part::string;
            quote = c;
        } else if (c == QLatin1Char('(')) {
            ++parens;
        } else if (c == QLatin1Char(')') && parens > 0) {
            --parens;
        }
        if (!visit(i, part, parens)) return;
    }
}

// The first "{" of the code, or -1.
qsizetype code_brace(QStringView text) {
    qsizetype found = -1;
    walk_rule(text, [&](qsizetype i, Part part, int) {
        if (part == Part::code && text[i] == QLatin1Char('{')) found = i;
        return found < 0;
    });
    return found;
}

// The last character of the code that is not a blank (a comment or string does not count), or none.
QChar last_code_char(QStringView text) {
    QChar last;
    walk_rule(text, [&](qsizetype i, Part part, int) {
        if (part == Part::code && !is_space(text[i])) last = text[i];
        else if (part == Part::string) last = QLatin1Char('"');
        return true;
    });
    return last;
}

// Where the declaration at the start of text ends: after its first ";" (one inside a string, a comment or
// parentheses such as url(...) does not count) or, when a comment closes before the second ";", after that
// comment, so that a comment after a declaration stays with it.
qsizetype declaration_end(QStringView text) {
    qsizetype first = -1;
    qsizetype second = -1;
    qsizetype close = -1;
    walk_rule(text, [&](qsizetype i, Part part, int parens) {
        if (part == Part::comment_end && close < 0) close = i + 1;
        if (part == Part::code && parens == 0 && text[i] == QLatin1Char(';')) {
            if (first >= 0) second = i;
            else first = i;
        }
        return second < 0;
    });
    if (close >= 0 && (second < 0 || close <= second)) return close;
    return first >= 0 ? first + 1 : text.size();
}

// One declaration: property padded to 18, ": " and the value padded to 18 (two blanks and no value when it
// has no ":"), then its comments gathered into one.
QString format_declaration(QStringView declaration) {
    // Comments come out of the declaration and stand, joined into one, after it.
    QString code;
    QStringList comments;
    bool closed = true;
    qsizetype opener = -1;
    walk_rule(declaration, [&](qsizetype i, Part part, int) {
        if (part == Part::code || part == Part::string) {
            code.append(declaration[i]);
        } else if (closed) {
            closed = false;
            opener = i;
            code.append(QLatin1Char(' '));
            comments.append(QString());
        } else if (part == Part::comment_end) {
            closed = true;
        } else if (i > opener + 1 && !(declaration[i] == QLatin1Char('*') && declaration.mid(i + 1).startsWith(u"/"))) {
            comments.last().append(declaration[i]);
        }
        return true;
    });
    for (QString& text : comments) text = text.trimmed();
    // A comment the declaration leaves open stays open.
    const QString comment = comments.isEmpty() ? QString()
                                               : QStringLiteral("/*") + comments.join(QLatin1Char(' ')) +
                                                     (closed ? QStringLiteral("*/") : QString());
    // Without a ":" the whole declaration, its ";" included, stands as the property.
    const qsizetype colon = code.indexOf(QLatin1Char(':'), 1);
    const QStringView property = trimmed_view(colon < 0 ? QStringView(code) : QStringView(code).left(colon));
    const QStringView value = colon < 0 ? QStringView() : trimmed_view(QStringView(code).mid(colon + 1));
    QString out = padded(property, field_width);
    out.append(colon < 0 ? QStringLiteral("  ") : QStringLiteral(": ")).append(padded(value, field_width)).append(comment);
    return right_trimmed_view(out).toString();
}

}  // namespace

void StylesheetFormatter::format_line(QStringView line, LineEmitter& out) {
    // A line break between two lines of a rule separates what stands on them, except after a "{".
    if (!buffer_.isEmpty() && !is_space(buffer_.back()) && (comment_ || buffer_.back() != QLatin1Char('{')))
        buffer_.append(QLatin1Char(' '));
    const QStringView text = trimmed_view(line);
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        // A line may be a comment tag the scanner made of several lines: its line breaks separate too.
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
        if (c.unicode() < 32) continue;
        if (comment_) {
            buffer_.append(c);
            if (c == QLatin1Char('*') && text.mid(i).startsWith(u"*/")) {
                buffer_.append(QLatin1Char('/'));
                ++i;
                comment_ = false;
            }
            continue;
        }
        if (!quote.isNull()) {
            buffer_.append(c);
            if (c == QLatin1Char('\\') && i + 1 < text.size()) buffer_.append(text[++i]);
            else if (c == quote) quote = QChar();
            continue;
        }
        if (c == QLatin1Char(' ')) {
            // Blanks before ";" or "}" and after "{" go.
            qsizetype next = i + 1;
            while (next < text.size() && is_space(text[next])) ++next;
            const bool before_end = next < text.size() && (text[next] == QLatin1Char(';') || text[next] == QLatin1Char('}'));
            const bool after_open = !buffer_.isEmpty() && buffer_.back() == QLatin1Char('{');
            if (!before_end && !after_open) buffer_.append(QString(next - i, QLatin1Char(' ')));
            i = next - 1;
            continue;
        }
        // Nor does one before ";" or "}" left by the line before: "blue ;}" would only lose it on the next
        // cleanup. Outside strings and comments the blanks that end the buffer are all of the code.
        if (c == QLatin1Char(';') || c == QLatin1Char('}'))
            while (!buffer_.isEmpty() && is_space(buffer_.back())) buffer_.chop(1);
        buffer_.append(c);
        if (text.mid(i).startsWith(u"/*")) {
            buffer_.append(QLatin1Char('*'));
            ++i;
            comment_ = true;
        } else if (is_quote(c)) {
            quote = c;
        } else if (c == QLatin1Char('}')) {
            format_rule(buffer_, out);
            buffer_.clear();
        }
    }
    if (comment_) buffer_.append(QLatin1Char('\n'));
}

void StylesheetFormatter::flush(LineEmitter& out) {
    format_rule(buffer_, out);
    buffer_.clear();
    comment_ = false;
}

void StylesheetFormatter::format_rule(QStringView rule, LineEmitter& out) const {
    QStringView b = trimmed_view(rule);
    if (b.isEmpty()) return;
    if (b.startsWith(u"<!")) {
        qsizetype marker = 2;
        while (marker < b.size() && b[marker] == QLatin1Char('-')) ++marker;
        out.write_line(b.left(marker));
        b = trimmed_view(b.mid(marker));
    }
    if (b.startsWith(u"/*")) {
        const qsizetype close = b.indexOf(u"*/", 2);
        if (close < 0) {
            out.write_line(b);
            return;
        }
        out.write_line(b.left(close + 2));
        b = b.mid(close + 2);
    }
    QString text = b.toString().replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
    // The last declaration gets its ";" (an empty block or a lone "}" has none to end).
    if (text.endsWith(QLatin1Char('}')) && !text.endsWith(u";}")) {
        const QChar last = last_code_char(QStringView(text).chopped(1));
        if (!last.isNull() && last != QLatin1Char(';') && last != QLatin1Char('{') && last != QLatin1Char('}'))
            text.insert(text.size() - 1, QLatin1Char(';'));
    }
    if (text.isEmpty()) return;
    const qsizetype brace = code_brace(text);
    if (brace < 0) {
        out.write_line(text);
        return;
    }
    QString line = padded(trimmed_view(QStringView(text).left(brace)), selector_width) + QLatin1Char('{');
    QStringView rest = trimmed_view(QStringView(text).mid(brace + 1));
    while (!rest.isEmpty()) {
        const qsizetype end = declaration_end(rest);
        line.append(format_declaration(rest.left(end)));
        rest = trimmed_view(rest.mid(end));
        if (rest == u"}") {
            line = right_trimmed_view(line).toString() + QLatin1Char('}');
            rest = {};
        }
        out.write_line(line);
        line = QString(selector_width + 1, QLatin1Char(' '));
    }
    out.write_line(line);
}

}  // namespace tamsel
