#include "analyze/page_links.h"

#include "core/markup_text.h"

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

bool names_a_frame(QStringView line) {
    constexpr QLatin1StringView target("TARGET=");
    const qsizetype at = index_of_ci(line, target);
    if (at < 0) return false;
    qsizetype next = at + target.size();
    if (next < line.size() && is_quote(line[next])) ++next;
    return next >= line.size() || line[next] != u'_';
}

// The value after "SRC=" (else "HREF="), cut at the first blank or ">", without its enclosing quotes.
QString link_value(QStringView line) {
    qsizetype at = index_of_ci(line, QLatin1StringView("SRC="));
    qsizetype keyword = 4;
    if (at < 0) {
        at = index_of_ci(line, QLatin1StringView("HREF="));
        keyword = 5;
    }
    if (at < 0) return {};
    QStringView value = trim_blanks(line.sliced(at + keyword));
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

}  // namespace

LineLink find_line_link(QStringView raw) {
    const QStringView trimmed = trim_blanks(raw);
    const bool open_call = contains_ci(trimmed, QLatin1StringView(".OPEN("));
    const bool keyword = open_call || contains_ci(trimmed, QLatin1StringView(" HREF")) ||
                         contains_ci(trimmed, QLatin1StringView(" SRC"));
    if (!keyword) return {};
    QString line = trimmed.toString();
    if (open_call) line = open_calls_as_hrefs(std::move(line));
    line = close_spaces_around_equals(line);
    LineLink found;
    found.named_target = names_a_frame(line);
    const QString link = link_value(line);
    if (!link.isEmpty() && !link.startsWith(QLatin1Char('#'))) found.link = link;
    return found;
}

QString resolve_link(const QString& base, const QString& written) {
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
