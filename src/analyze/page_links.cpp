#include "analyze/page_links.h"

#include "core/markup_text.h"

#include <QDir>
#include <QUrl>
#include <algorithm>

namespace tamsel {
namespace {

bool is_quote(QChar c) { return c == u'"' || c == u'\''; }

// ".OPEN(" becomes " HREF=" (the same length) and every comma a blank, so window.open('a.htm','w') reads
// like an HREF= whose value ends at the comma.
QString open_calls_as_hrefs(QString line) {
    constexpr QLatin1StringView open_call(".OPEN(");
    for (qsizetype at = index_of_ci(line, open_call); at >= 0; at = index_of_ci(line, open_call, at + open_call.size()))
        line.replace(at, open_call.size(), QStringLiteral(" HREF="));
    line.replace(QLatin1Char(','), QLatin1Char(' '));
    return line;
}

// Where "KEYWORD=" stands in the line once the blanks beside every "=" are closed: the keyword, blanks,
// then "="; -1 when it does not.
qsizetype keyword_at(QStringView line, QLatin1StringView keyword, qsizetype* after_equals) {
    // Found from the "=" signs, which are few, back over the blanks to the keyword.
    for (qsizetype equals = line.indexOf(u'='); equals >= 0; equals = line.indexOf(u'=', equals + 1)) {
        qsizetype end = equals;
        while (end > 0 && line[end - 1] == u' ') --end;
        if (end >= keyword.size() && has_at(line, end - keyword.size(), keyword)) {
            *after_equals = equals + 1;
            return end - keyword.size();
        }
    }
    return -1;
}

// The line from "KEYWORD=" up to the first ">" after it (or the line's end), blanks beside "=" closed: what
// the reading of the keyword's value needs, without copying the rest of a long line. Closing blanks only
// looks at a blank's neighbours, and the piece ends at a character other than a blank, so the piece reads
// as the same stretch of the whole line closed. Empty when the keyword is not there.
QString keyword_piece(QStringView line, QLatin1StringView keyword) {
    qsizetype after_equals = 0;
    const qsizetype at = keyword_at(line, keyword, &after_equals);
    if (at < 0) return {};
    const qsizetype angle = line.indexOf(u'>', after_equals);
    const qsizetype end = angle < 0 ? line.size() : angle + 1;
    return close_spaces_around_equals(line.sliced(at, end - at).toString());
}

bool names_a_frame(QStringView line) {
    constexpr QLatin1StringView target("TARGET");
    const QString piece = keyword_piece(line, target);
    if (piece.isEmpty()) return false;
    qsizetype next = target.size() + 1;
    if (next < piece.size() && is_quote(piece[next])) ++next;
    return next >= piece.size() || piece[next] != u'_';
}

// The value after "SRC=" (else "HREF="), cut at the first blank or ">", without its enclosing quotes.
QString link_value(QStringView line) {
    QString piece = keyword_piece(line, QLatin1StringView("SRC"));
    if (piece.isEmpty()) piece = keyword_piece(line, QLatin1StringView("HREF"));
    if (piece.isEmpty()) return {};
    QStringView value = trim_blanks(QStringView(piece).sliced(piece.indexOf(u'=') + 1));
    for (qsizetype i = 0; i < value.size(); ++i)
        if (value[i] == u' ' || value[i] == u'>') {
            value = value.first(i);
            break;
        }
    if (value.size() >= 2 && is_quote(value.front()) && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    if (value.contains(u'"') || value.contains(u'\'')) return {};
    return value.toString();
}

// What a line holds of the keywords a link needs: " HREF" or " SRC", and ".OPEN(". One pass over the
// line, since most lines hold neither.
struct LinkKeywords {
    bool attribute = false;
    bool open_call = false;
};

LinkKeywords link_keywords(QStringView line) {
    LinkKeywords found;
    const qsizetype size = line.size();
    const QChar* text = line.data();
    for (qsizetype i = 0; i + 1 < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u' ') {
            const char16_t next = text[i + 1].unicode() | 0x20;
            if (!found.attribute && (next == u'h' || next == u's'))
                found.attribute = has_at(line, i, QLatin1StringView(" HREF")) || has_at(line, i, QLatin1StringView(" SRC"));
        } else if (c == u'.' && !found.open_call) {
            found.open_call = has_at(line, i, QLatin1StringView(".OPEN("));
        }
    }
    return found;
}

}  // namespace

LineLink find_line_link(QStringView raw) {
    const QStringView trimmed = trim_blanks(raw);
    const auto [attribute, open_call] = link_keywords(trimmed);
    if (!attribute && !open_call) return {};
    QString rewritten;
    QStringView line = trimmed;
    if (open_call) {
        rewritten = open_calls_as_hrefs(trimmed.toString());
        line = rewritten;
    }
    LineLink found;
    found.named_target = names_a_frame(line);
    const QString link = link_value(line);
    if (!link.isEmpty() && !link.startsWith(QLatin1Char('#'))) found.link = link;
    return found;
}

bool has_scheme(QStringView link) {
    // Two letters at least: "c:" is a drive, not a scheme.
    const qsizetype colon = link.indexOf(u':');
    if (colon < 2 || !link.front().isLetter() || link.front().unicode() > 127) return false;
    return std::all_of(link.begin(), link.begin() + colon, [](QChar c) {
        return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.');
    });
}

bool leads_off_site(QStringView link) { return has_scheme(link) || link.startsWith(u"//"); }

QString linked_file(const QString& target) {
    const auto cut = std::find_if(target.begin(), target.end(), [](QChar c) { return c == u'#' || c == u'?'; });
    const QString file = target.left(cut - target.begin());
    if (leads_off_site(target)) return file;
    return QDir::cleanPath(QUrl::fromPercentEncoding(file.toUtf8()));
}

QString resolve_link(const QString& base, const QString& written) {
    if (leads_off_site(written)) return written;
    QString link = written;
    link.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (link.startsWith(QLatin1String("./"))) link.remove(0, 2);

    if (link.startsWith(QLatin1String("../"))) {
        const QString climbing = link;
        int up = 0;
        while (link.startsWith(QLatin1String("../"))) {
            link.remove(0, 3);
            ++up;
        }
        QString folder = base.left(qMax(0, base.lastIndexOf(QLatin1Char('/'))));
        for (int i = 0; i < up; ++i) {
            if (folder.isEmpty()) return climbing;
            folder = folder.left(qMax(0, folder.lastIndexOf(QLatin1Char('/'))));
        }
        if (folder.isEmpty()) return (base.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString()) + link;
        return folder + QLatin1Char('/') + link;
    }
    if (link.contains(QLatin1Char(':')) && link.contains(QLatin1Char('/'))) return link;
    const qsizetype cut = qMax(base.lastIndexOf(QLatin1Char('/')), base.lastIndexOf(QLatin1Char(':')));
    return base.left(cut + 1) + link;
}

}  // namespace tamsel
