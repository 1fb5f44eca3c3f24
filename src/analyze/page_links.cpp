#include "analyze/page_links.h"

#include "analyze/markup_text.h"

namespace tamsel {
namespace {

bool is_quote(QChar c) { return c == u'"' || c == u'\''; }

// ".OPEN(" becomes " HREF=" (the same length) and every comma a blank, so window.open('a.htm','w') reads
// like an HREF= whose value ends at the comma.
QString open_calls_as_hrefs(QString line) {
    constexpr QStringView open_call = u".OPEN(";
    for (qsizetype at = line.indexOf(open_call, 0, Qt::CaseInsensitive); at >= 0;
         at = line.indexOf(open_call, at + open_call.size(), Qt::CaseInsensitive))
        line.replace(at, open_call.size(), QStringLiteral(" HREF="));
    line.replace(QLatin1Char(','), QLatin1Char(' '));
    return line;
}

bool names_a_frame(QStringView line) {
    constexpr QStringView target = u"TARGET=";
    const qsizetype at = line.indexOf(target, 0, Qt::CaseInsensitive);
    if (at < 0) return false;
    qsizetype next = at + target.size();
    if (next < line.size() && is_quote(line[next])) ++next;
    return next >= line.size() || line[next] != u'_';
}

// The value after "SRC=" (else "HREF="), cut at the first blank or ">", without its enclosing quotes.
QString link_value(QStringView line) {
    qsizetype at = line.indexOf(u"SRC=", 0, Qt::CaseInsensitive);
    qsizetype keyword = 4;
    if (at < 0) {
        at = line.indexOf(u"HREF=", 0, Qt::CaseInsensitive);
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
    const bool open_call = trimmed.contains(u".OPEN(", Qt::CaseInsensitive);
    if (!open_call && !trimmed.contains(u" HREF", Qt::CaseInsensitive) && !trimmed.contains(u" SRC", Qt::CaseInsensitive))
        return {};
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
