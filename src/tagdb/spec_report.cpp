#include "tagdb/spec_report.h"

#include "core/markup_text.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace tamsel {
namespace {

constexpr QStringView report_head[] = {
    u"<html><head><title>HTML Specification</title>",
    u"<style>",
    u"body {font: 8pt arial;}",
    u"#header {background-color: silver; font:8pt arial;}",
    u"#tagname { font:8pt arial;}",
    u"#attr { font:8pt arial;}",
    u"</style>",
    u"</head><body>",
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

void tag_table(const TagRecord& tag, const QList<AttrRecord>& attributes, QStringList& lines) {
    lines << QStringLiteral("<table width=760 border=1 cellspacing=0 cellpadding=0>")
          << QStringLiteral("<tr id=header><td align=center width=30%>Tag Name</td>")
          << QStringLiteral("<td align=center width=10%>End Tag</td>")
          << QStringLiteral("<td align=center width=60%>Description</td></tr>")
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
            lines << QStringLiteral("<tr id=header><td colspan=3 align=center>Attributes</td><tr>")
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

QString spec_report(const TagDatabase& db) {
    QStringList lines;
    for (const QStringView line : report_head) lines << line.toString();
    for (int i = 1; i <= db.tag_count(); ++i) {
        const TagRecord& tag = db.tags()[i];
        tag_table(tag, db.attribute_records_of(tag.key), lines);
    }
    lines << QStringLiteral("</body></html>");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool write_spec_report(const TagDatabase& db, const QString& path, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray bytes = spec_report(db).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    if (error) *error = file.errorString();
    return false;
}

}  // namespace tamsel
