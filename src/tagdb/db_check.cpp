#include "tagdb/db_check.h"

#include "tagdb/fixed_tables.h"
#include "tagdb/table_order.h"

#include <QHash>
#include <QRegularExpression>

namespace tamsel {
namespace {

QString tag_place(int i, const TagRecord& r) { return QStringLiteral("HTML_Tags %1 (%2)").arg(i).arg(r.key); }
QString attr_place(int i, const AttrRecord& r) { return QStringLiteral("HTML_Attr %1 (%2 %3)").arg(i).arg(r.tag, r.name); }

void check_tags(const Table<TagRecord>& tags, QStringList& out) {
    QHash<QString, int> containers;  // key -> closing code
    for (int i = 1; i < tags.size(); ++i) containers.insert(tags[i].key, tags[i].closing_tag);
    for (int i = 1; i < tags.size(); ++i) {
        const TagRecord& r = tags[i];
        if (r.key != r.key.toUpper()) out << tag_place(i, r) + QStringLiteral(": key is not upper case");
        if (i > 1) {
            const int order = compare_8bit(tags[i - 1].key, r.key);
            if (order == 0) out << tag_place(i, r) + QStringLiteral(": key duplicated");
            else if (order > 0) out << tag_place(i, r) + QStringLiteral(": key out of order after ") + tags[i - 1].key;
        }
        if (category_position(r.category) == 0) out << tag_place(i, r) + QStringLiteral(": unknown category %1").arg(r.category);
        if (r.closing_tag > closing_optional) out << tag_place(i, r) + QStringLiteral(": unknown closing code %1").arg(r.closing_tag);
        for (const QString& parent : split_parents(r.parents)) {
            const auto it = containers.constFind(parent);
            if (it == containers.constEnd()) out << tag_place(i, r) + QStringLiteral(": parent %1 does not exist").arg(parent);
            else if (*it == closing_none) out << tag_place(i, r) + QStringLiteral(": parent %1 is not a container").arg(parent);
            // Nesting is checked only among tags whose end tag is required, so another parent is never found.
            else if (*it != closing_required) out << tag_place(i, r) + QStringLiteral(": parent %1 has no required end tag").arg(parent);
        }
    }
}

void check_attrs(const Table<AttrRecord>& attrs, const Table<TagRecord>& tags, QStringList& out) {
    QHash<QString, bool> tag_keys;
    for (int i = 1; i < tags.size(); ++i) tag_keys.insert(tags[i].key, true);
    for (int i = 1; i < attrs.size(); ++i) {
        const AttrRecord& r = attrs[i];
        if (!tag_keys.contains(r.tag)) out << attr_place(i, r) + QStringLiteral(": tag does not exist");
        if (i > 1) {
            const AttrRecord& p = attrs[i - 1];
            const int by_tag = compare_8bit(p.tag, r.tag);
            const int order = by_tag != 0 ? by_tag : compare_8bit(p.name, r.name);
            if (order == 0) out << attr_place(i, r) + QStringLiteral(": attribute duplicated");
            else if (order > 0) out << attr_place(i, r) + QStringLiteral(": out of order");
        }
        if (r.type < 1 || r.type > type_boolean) out << attr_place(i, r) + QStringLiteral(": unknown type %1").arg(r.type);
        if (r.type == type_choice && !r.choices.contains(QLatin1Char(',')))
            out << attr_place(i, r) + QStringLiteral(": Choice without \",\" in its choices");
    }
}

void check_colors(const Table<ColorRecord>& colors, QStringList& out) {
    static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    for (int i = 1; i < colors.size(); ++i)
        if (!rgb.match(colors[i].value).hasMatch())
            out << QStringLiteral("Colors %1 (%2): value '%3' is not #RRGGBB").arg(i).arg(colors[i].name, colors[i].value);
}

void check_vocabulary(const Table<VocabEntry>& vocabulary, QStringList& out) {
    QHash<QString, int> seen;
    for (int i = 1; i < vocabulary.size(); ++i) {
        const VocabEntry& e = vocabulary[i];
        if (e.written.trimmed().isEmpty()) out << QStringLiteral("Vocabulary %1: empty line").arg(i);
        else if (seen.contains(e.lower)) out << QStringLiteral("Vocabulary %1 (%2): same word as line %3").arg(i).arg(e.written).arg(seen.value(e.lower));
        else seen.insert(e.lower, i);
    }
}

}  // namespace

QStringList check_tables(const SourceTables& tables) {
    QStringList out;
    check_tags(tables.tags, out);
    check_attrs(tables.attrs, tables.tags, out);
    check_colors(tables.colors, out);
    check_vocabulary(tables.vocabulary, out);
    return out;
}

}  // namespace tamsel
