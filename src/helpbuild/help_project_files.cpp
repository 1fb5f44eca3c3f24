#include "helpbuild/help_project_files.h"

#include <QSet>
#include <QStringList>
#include <array>

namespace tamsel {
namespace {

const QString tab = QStringLiteral("\t");

constexpr std::array<QStringView, 10> project_options = {
    u"[Options]",
    u"Compatibility =1.1 Or later",
    u"Compiled file =HELPFILE.chm",
    u"Contents file =HELPFILE.hhc",
    u"Index file =HELPFILE.hhk",
    u"Error log file =HELPFILE.log",
    u"Default topic =",  // followed by the index page
    u"Display compile progress=Yes",
    u"Full-text search=Yes",
    u"Language=0x409 English (United States)",
};

QString lines_text(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

QString object_line() { return QStringLiteral("<LI> <OBJECT type=\"text/sitemap\">"); }

QString param_line(QStringView name, QStringView value, bool is_path) {
    return QStringLiteral("<param name=\"%1\" value=\"%2\">").arg(name, sitemap_value(value, is_path));
}

QStringList sitemap_start(const QString& generator) {
    return {QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">"),
            QStringLiteral("<HTML>"),
            QStringLiteral("<HEAD>"),
            QStringLiteral("<meta name=\"GENERATOR\" content=\"%1\">").arg(sitemap_value(generator, false)),
            QStringLiteral("<!-- Sitemap 1.0 -->"),
            QStringLiteral("</HEAD>"),
            QStringLiteral("<BODY>")};
}

QStringList sitemap_end() { return {QStringLiteral("</UL>"), QStringLiteral("</BODY>"), QStringLiteral("</HTML>")}; }

void append_reference(QString& out, char32_t code) { out += QStringLiteral("&#%1;").arg(static_cast<uint>(code)); }

}  // namespace

QString sitemap_value(QStringView text, bool is_path) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); continue;
        case u'<': out += QLatin1String("&lt;"); continue;
        case u'>': out += QLatin1String("&gt;"); continue;
        case u'"': out += QLatin1String("&quot;"); continue;
        default: break;
        }
        const bool plain = c.unicode() >= 0x20 && c.unicode() < 0x7F;
        if (is_path || plain) {
            out += c;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            append_reference(out, QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            append_reference(out, c.unicode());
        }
    }
    return out;
}

QString help_project_text(const QList<HelpEntry>& entries, const QString& default_topic) {
    QStringList lines;
    for (const QStringView option : project_options) lines << option.toString();
    lines[6] += default_topic;
    lines << QString() << QStringLiteral("[Files]") << default_topic;
    QSet<QString> listed{default_topic};
    for (const HelpEntry& e : entries) {
        if (e.kind == help_file && !listed.contains(e.text1)) {
            listed.insert(e.text1);
            lines << e.text1;
        }
    }
    for (const HelpEntry& e : entries) {
        if (e.kind == help_file || listed.contains(e.file)) continue;
        listed.insert(e.file);
        lines << e.file;
    }
    lines << QString() << QStringLiteral("[INFOTYPES]");
    return lines_text(lines);
}

QString help_contents_text(const QList<HelpEntry>& entries, const QString& generator) {
    QStringList lines = sitemap_start(generator);
    lines << QStringLiteral("<OBJECT type=\"text/site properties\">")
          << tab + param_line(u"Window Styles", u"0x800225", false)
          << QStringLiteral("</OBJECT>")
          << QStringLiteral("<UL>");
    const QString* group = nullptr;
    for (const HelpEntry& e : entries) {
        if (e.kind != help_contents) continue;
        if (!group || *group != e.text1) {
            if (group) lines << tab + QStringLiteral("</UL>");
            lines << tab + object_line()
                  << tab + tab + param_line(u"Name", e.text1, false)
                  << tab + tab + QStringLiteral("</OBJECT>")
                  << tab + QStringLiteral("<UL>");
            group = &e.text1;
        }
        lines << tab + tab + object_line()
              << tab + tab + tab + param_line(u"Name", e.text2, false)
              << tab + tab + tab + param_line(u"Local", e.file, true)
              << tab + tab + tab + QStringLiteral("</OBJECT>");
    }
    // A group's list closes before the contents' list; with every page left out no group was opened.
    if (group) lines << tab + QStringLiteral("</UL>");
    lines << sitemap_end();
    return lines_text(lines);
}

QString help_index_text(const QList<HelpEntry>& entries, const QString& generator) {
    QStringList lines = sitemap_start(generator);
    lines << QStringLiteral("<UL>");
    const QString* keyword = nullptr;
    const QString* page = nullptr;
    for (const HelpEntry& e : entries) {
        if (e.kind != help_keyword) continue;
        if (!keyword || *keyword != e.text1) {
            if (keyword) lines << tab + QStringLiteral("</OBJECT>");
            lines << tab + object_line() << tab + tab + param_line(u"Name", e.text1, false);
            keyword = &e.text1;
            page = nullptr;
        }
        if (!page || *page != e.file) {
            lines << tab + tab + tab + param_line(u"Name", e.text2, false)
                  << tab + tab + tab + param_line(u"Local", e.file, true);
            page = &e.file;
        }
    }
    // The last keyword's object closes before the list ends.
    if (keyword) lines << tab + QStringLiteral("</OBJECT>");
    lines << sitemap_end();
    return lines_text(lines);
}

}  // namespace tamsel
