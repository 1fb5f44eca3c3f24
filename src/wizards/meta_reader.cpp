#include "wizards/meta_reader.h"

#include "core/markup_text.h"

#include <QStringView>

namespace tamsel {
namespace {

struct MetaName {
    QStringView name;
    int slot;
};

constexpr std::array<MetaName, 7> meta_names_table = {{
    {u"content-type", meta_content_type},
    {u"expires",      meta_expires},
    {u"keywords",     meta_keywords},
    {u"description",  meta_description},
    {u"author",       meta_author},
    {u"robots",       meta_robots},
    {u"generator",    meta_generator},
}};

// The character set of a content-type value: "text/html; charset=iso-8859-2" gives "iso-8859-2".
QString character_set(const QString& content) {
    QString text = content.toLower();
    for (const QString& part : {QStringLiteral("text/html;"), QStringLiteral("charset=")})
        for (qsizetype at = text.indexOf(part); at >= 0; at = text.indexOf(part, at))
            text.replace(at, part.size(), QString(part.size(), QLatin1Char(' ')));
    return trimmed_blanks(text);
}

}  // namespace

void MetaSlots::clear_slots() {
    for (int i = 1; i < slot_count; ++i) {
        meta_names[i].clear();
        meta_kinds[i].clear();
        meta_slots[i].clear();
    }
}

int meta_slot_of(const QString& lower_name) {
    for (const MetaName& m : meta_names_table)
        if (m.name == lower_name) return m.slot;
    return meta_other;
}

int parse_meta_tag(QString& tag, bool store, MetaSlots& metas) {
    QString text = tag;
    for (QChar& c : text)
        if (c == u'\n' || c == u'\r' || c == u'"' || c == u'\'') c = u' ';
    text = close_spaces_around_equals(text);
    // Without "<meta" and the closing ">".
    text = text.size() > 5 ? trimmed_blanks(QStringView(text).sliced(5).chopped(1)) : QString();

    QString kind = QStringLiteral("NAME");
    if (const qsizetype at = index_of_ci(text, QLatin1StringView("HTTP-EQUIV=")); at >= 0) {
        kind = QStringLiteral("HTTP-EQUIV");
        text.replace(at, 10, QStringLiteral("name"));
    }
    const qsizetype name_at = index_of_ci(text, QLatin1StringView("NAME="));
    if (name_at < 0) return 0;
    qsizetype name_end = text.indexOf(QLatin1Char(' '), name_at);
    if (name_end < 0) name_end = text.size();
    const QString name = text.mid(name_at + 5, name_end - name_at - 5).toLower();
    text.replace(name_at, name_end - name_at, QString(name_end - name_at, QLatin1Char(' ')));
    const QString content = trim_blanks(text).mid(8).toString();

    tag = QStringLiteral("<META ") + kind + QStringLiteral("=\"") + name + QStringLiteral("\" content=\"") + content +
          QStringLiteral("\">");
    const int slot = meta_slot_of(name);
    if (!store) return slot;
    if (slot == meta_other) {
        metas.other_metas += tag + QStringLiteral("\r\n");
        return slot;
    }
    metas.meta_names[slot] = name;
    metas.meta_kinds[slot] = kind;
    metas.meta_slots[slot] = slot == meta_content_type ? character_set(content) : content;
    return slot;
}

}  // namespace tamsel
