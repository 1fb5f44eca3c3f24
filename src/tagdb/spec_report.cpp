#include "tagdb/spec_report.h"

#include "core/markup_text.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace tamsel {
namespace {

constexpr QStringView report_style[] = {
    u"<style>",
    u"body {font: 8pt arial;}",
    u"#header {background-color: silver; font:8pt arial;}",
    u"#tagname { font:8pt arial;}",
    u"#attr { font:8pt arial;}",
    u"</style>",
};

// A text of the database as page text: markup characters escaped, the rest of Unicode as references.
QString html_text(QStringView text) {
    QString out;
    out.reserve(text.size());
    append_html_text(out, text, true);
    return out;
}

QString closing_text(std::uint8_t closing) {
    switch (closing) {
    case closing_none: return QStringLiteral("&nbsp;");
    case closing_required: return QStringLiteral("YES");
    case closing_optional: return QStringLiteral("Optional");
    }
    return {};
}

bool is_event(const AttrRecord& a) { return a.type == type_event; }

// The printable page keeps the layout the database browser's "Print" has always written. The page a help
// build reads must pass the help check, which takes a row left open for an error and wants a "%" width
// quoted: there the widths are quoted and the attributes' caption row is closed.
QString width(int percent, bool for_help) {
    return for_help ? QStringLiteral("width=\"%1%\"").arg(percent) : QStringLiteral("width=%1%").arg(percent);
}

void tag_table(const TagRecord& tag, const QList<AttrRecord>& attributes, QStringList& lines, bool for_help) {
    lines << QStringLiteral("<table width=760 border=1 cellspacing=0 cellpadding=0>")
          << QStringLiteral("<tr id=header><td align=center %1>Tag Name</td>").arg(width(30, for_help))
          << QStringLiteral("<td align=center %1>End Tag</td>").arg(width(10, for_help))
          << QStringLiteral("<td align=center %1>Description</td></tr>").arg(width(60, for_help))
          << QStringLiteral("<tr id=tagname><td align=center>") + html_text(tag.name.toUpper()) + QStringLiteral("</td>");
    // A closing value outside the three runs on into the next line, as the report always wrote it.
    const QString closing = closing_text(tag.closing_tag);
    if (closing.isEmpty()) lines << QStringLiteral("<td align=center></td>");
    else lines << QStringLiteral("<td align=center>") + closing << QStringLiteral("</td>");
    lines << QStringLiteral("<td>&nbsp;") + html_text(tag.description) + QStringLiteral("</td></tr>");
    bool first = true;
    for (const AttrRecord& a : attributes) {
        if (is_event(a)) continue;
        if (first) {
            lines << QStringLiteral("<tr id=header><td colspan=3 align=center>Attributes</td>") +
                         (for_help ? QStringLiteral("</tr>") : QStringLiteral("<tr>"))
                  << QStringLiteral("<tr id=header align=center><td>Name</td><td>Required</td><td>Type</td></tr>");
            first = false;
        }
        const QString type = a.type == type_choice ? a.choices : attr_type_name(a.type);
        lines << QStringLiteral("<tr id=attr><td>&nbsp;") + html_text(a.name.toLower()) + QStringLiteral("</td>")
              << QStringLiteral("<td align=center>") + (a.required ? QStringLiteral("Yes") : QStringLiteral("&nbsp;")) + QStringLiteral("</td>")
              << QStringLiteral("<td>&nbsp;") + html_text(type) + QStringLiteral("</td></tr>");
    }
    first = true;
    for (const AttrRecord& a : attributes) {
        if (!is_event(a)) continue;
        if (first) lines << QStringLiteral("<tr id=header><td align=center colspan=3>Events</td></tr>");
        first = false;
        lines << QStringLiteral("<tr id=attr><td colspan=3>&nbsp;") + html_text(a.name.toLower()) + QStringLiteral("</td></tr>");
    }
    lines << QStringLiteral("</table><br>");
}

}  // namespace

QStringList help_meta_lines(const QStringList& keywords, const QString& description) {
    return {QStringLiteral("<meta name=\"keywords\" content=\"%1\">").arg(keywords.join(QStringLiteral(", ")).toHtmlEscaped()),
            QStringLiteral("<meta name=\"description\" content=\"%1\">").arg(description.toHtmlEscaped())};
}

QStringList report_page_head(const QString& title, const QStringList& extra_head_lines) {
    QStringList lines{QStringLiteral("<html><head><title>%1</title>").arg(title)};
    lines << extra_head_lines;
    for (const QStringView line : report_style) lines << line.toString();
    lines << QStringLiteral("</head><body>");
    return lines;
}

QString spec_report(const TagDatabase& db, bool for_help) {
    QStringList names;
    if (for_help)
        for (int i = 1; i <= db.tag_count(); ++i) names << db.tags()[i].name.toUpper();
    QStringList lines = report_page_head(QStringLiteral("HTML Specification"),
                                         for_help ? help_meta_lines(names, QStringLiteral("HTML Reference")) : QStringList());
    for (int i = 1; i <= db.tag_count(); ++i) {
        const TagRecord& tag = db.tags()[i];
        tag_table(tag, db.attribute_records_of(tag.key), lines, for_help);
    }
    lines << QStringLiteral("</body></html>");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool write_spec_report(const TagDatabase& db, const QString& path, QString* error, bool for_help) {
    return write_report_page(path, spec_report(db, for_help), error);
}

bool write_report_page(const QString& path, const QString& page, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return write_whole_file(path, page.toUtf8(), error);
}

}  // namespace tamsel
