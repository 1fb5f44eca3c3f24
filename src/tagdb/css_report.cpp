#include "tagdb/css_report.h"

#include "core/markup_text.h"
#include "tagdb/spec_report.h"
#include "tagdb/tag_database.h"

#include <QStringList>
#include <array>

namespace tamsel {
namespace {

struct PropertyGroup {
    int code;
    QStringView name;
};

// The group codes of the Stylesheet table.
constexpr std::array<PropertyGroup, 12> property_groups = {{
    {1, u"Font"},
    {2, u"Text"},
    {3, u"Colour and Background"},
    {4, u"Box: Border, Margin, Padding, Outline"},
    {5, u"Layout and Positioning"},
    {6, u"Lists and Generated Content"},
    {7, u"Tables"},
    {8, u"Flexible Box and Grid"},
    {9, u"Transforms, Transitions and Animation"},
    {10, u"User Interface"},
    {11, u"Paged Media"},
    {12, u"Aural"},
}};

QString html_text(QStringView text) {
    QString out;
    append_html_text(out, text, true);
    return out;
}

bool known_group(int code) {
    for (const PropertyGroup& g : property_groups)
        if (g.code == code) return true;
    return false;
}

void group_table(const QString& caption, const QList<const StylesheetRecord*>& properties, QStringList& lines) {
    if (properties.isEmpty()) return;
    lines << QStringLiteral("<table width=760 border=1 cellspacing=0 cellpadding=0>")
          << QStringLiteral("<tr id=header><td colspan=2 align=center>") + html_text(caption) + QStringLiteral("</td></tr>")
          << QStringLiteral("<tr id=header align=center><td width=\"30%\">Property</td><td width=\"70%\">Values</td></tr>");
    for (const StylesheetRecord* p : properties) {
        const QString values = p->values.isEmpty() ? QStringLiteral("&nbsp;")
                                                   : html_text(p->values.split(QLatin1Char(',')).join(QStringLiteral(", ")));
        lines << QStringLiteral("<tr id=attr><td>&nbsp;") + html_text(p->property) + QStringLiteral("</td>")
              << QStringLiteral("<td>&nbsp;") + values + QStringLiteral("</td></tr>");
    }
    lines << QStringLiteral("</table><br>");
}

}  // namespace

QString css_report(const TagDatabase& db, bool for_help) {
    const auto& table = db.stylesheet();
    QStringList names;
    for (qsizetype i = 1; i < table.size(); ++i) names << table[i].property;
    QStringList lines = report_page_head(QStringLiteral("CSS Specification"),
                                         for_help ? help_meta_lines(names, QStringLiteral("CSS Reference")) : QStringList());
    for (const PropertyGroup& g : property_groups) {
        QList<const StylesheetRecord*> members;
        for (qsizetype i = 1; i < table.size(); ++i)
            if (table[i].group == g.code) members << &table[i];
        group_table(g.name.toString(), members, lines);
    }
    QList<const StylesheetRecord*> others;
    for (qsizetype i = 1; i < table.size(); ++i)
        if (!known_group(table[i].group)) others << &table[i];
    group_table(QStringLiteral("Other"), others, lines);
    lines << QStringLiteral("</body></html>");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

}  // namespace tamsel
