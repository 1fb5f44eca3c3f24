#include "inspector/tag_properties.h"

#include "core/markup_text.h"
#include "tagdb/fixed_tables.h"
#include "tagdb/tag_database.h"

namespace tamsel {
namespace {

bool is_quote(QChar c) { return c == u'"' || c == u'\''; }

// Blanks on either side of "=" are dropped where no quote is open; inside a quoted value they are text.
QString close_up_equals(QStringView rest) {
    QString out;
    out.reserve(rest.size());
    QChar open;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (open.isNull()) {
            if (c == u' ') {
                // A run of blanks is looked at once: dropped before "=", kept otherwise.
                qsizetype next = i;
                while (next < rest.size() && rest[next] == u' ') ++next;
                if (next >= rest.size() || rest[next] != u'=') out += rest.mid(i, next - i);
                i = next - 1;
                continue;
            }
            if (c == u'=') {
                out += c;
                while (i + 1 < rest.size() && rest[i + 1] == u' ') ++i;  // blanks after it
                continue;
            }
            if (is_quote(c)) open = c;
        } else if (c == open) {
            open = QChar();
        }
        out += c;
    }
    return out;
}

// The words of rest: a word ends at a blank outside quotes; quotes stay in the word.
QStringList tokens_of(QStringView rest) {
    QStringList tokens;
    QString token;
    QChar open;
    for (const QChar c : rest) {
        if (open.isNull() && c == u' ') {
            if (!token.trimmed().isEmpty()) tokens.append(token.trimmed());
            token.clear();
            continue;
        }
        if (is_quote(c)) open = open.isNull() ? c : (open == c ? QChar() : open);
        token += c;
    }
    if (!token.trimmed().isEmpty()) tokens.append(token.trimmed());
    return tokens;
}

bool known_attribute(const QList<AttrRecord>& attributes, const QString& upper_name) {
    for (const AttrRecord& a : attributes)
        if (a.name.toUpper() == upper_name) return true;
    return false;
}

// The text with word after one blank. The first word keeps a blank before it, as a list of one shows;
// from the second on the list starts with its first word. Appending never copies the whole list.
void append_word(QString& text, const QString& word) {
    if (text.startsWith(u' ') && text.size() > 1) text.remove(0, 1);
    text += QLatin1Char(' ');
    text += word;
}

}  // namespace

QString normalised_tag_text(QStringView tag) {
    QString text;
    text.reserve(tag.size());
    for (const QChar c : tag) {
        const QChar blank_or_c = c.unicode() < 0x20 ? QChar(u' ') : c;
        if (blank_or_c == u' ' && text.endsWith(u' ')) continue;
        text += blank_or_c;
    }
    return text;
}

QString inspectable_tag_key(const QString& text, const TagDatabase& db) {
    if (text.startsWith(QLatin1String("</")) || text.trimmed().isEmpty()) return {};
    QStringView name = QStringView(text).mid(text.startsWith(u'<') ? 1 : 0);
    const qsizetype end = std::min(name.indexOf(u' ') < 0 ? name.size() : name.indexOf(u' '),
                                   name.indexOf(u'>') < 0 ? name.size() : name.indexOf(u'>'));
    name = name.left(end);
    QString key;
    if (name.isEmpty() || db.lookup_tag(name.toString(), &key) < 0) return {};
    return key;
}

ParsedTag parse_tag(QStringView tag, const QList<AttrRecord>& attributes) {
    ParsedTag parsed;
    parsed.closes_itself = closes_itself(tag);
    if (tag.startsWith(u'<')) tag = tag.mid(1);
    if (tag.endsWith(u'>')) tag.chop(1);
    QStringView inner = tag.trimmed();
    if (parsed.closes_itself) inner = inner.chopped(1).trimmed();  // the "/" of "<br/>" is no attribute
    const qsizetype blank = inner.indexOf(u' ');
    parsed.key = inner.left(blank < 0 ? inner.size() : blank).toString().toUpper();
    if (blank < 0) return parsed;
    for (const QString& token : tokens_of(close_up_equals(inner.mid(blank + 1).trimmed()))) {
        const qsizetype eq = token.indexOf(u'=');
        if (eq < 0) {
            append_word(parsed.extra, token);
            continue;
        }
        const QString name = token.left(eq).toUpper();
        const QString value = token.mid(eq + 1);
        if (known_attribute(attributes, name)) parsed.known.append({name, value});
        else append_word(parsed.extra, name + QLatin1Char('=') + value);
    }
    return parsed;
}

QList<PropertyRow> property_rows(const ParsedTag& tag, const QList<AttrRecord>& attributes) {
    const auto value_of = [&tag](const QString& name) {
        const QString upper = name.toUpper();
        for (const ParsedAttribute& a : tag.known)
            if (a.name == upper) return a.value;
        return QString();
    };
    QList<PropertyRow> rows;
    for (const bool events : {false, true}) {
        const QString title = events ? QStringLiteral("Events") : QStringLiteral("Tag Attributes");
        rows.append({title, title, -1});
        for (qsizetype i = 0; i < attributes.size(); ++i)
            if ((attributes[i].type == type_event) == events)
                rows.append({attributes[i].name, value_of(attributes[i].name), static_cast<int>(i)});
    }
    return rows;
}

QString editable_value(QStringView value) {
    if (!value.isEmpty() && is_quote(value.front())) value = value.mid(1).trimmed();
    if (!value.isEmpty() && is_quote(value.back())) value = value.chopped(1).trimmed();
    return value.toString();
}

QStringList choice_items(QStringView choices) {
    QStringList items;
    for (const QStringView item : choices.split(u','))
        if (!item.trimmed().isEmpty()) items.append(item.trimmed().toString());
    return items;
}

QString written_value(QString value) {
    if (value.size() >= 2 && is_quote(value.front()) && value.back() == value.front()) value = value.mid(1, value.size() - 2);
    else if (!value.isEmpty() && is_quote(value.front()) && value.indexOf(value.front(), 1) < 0) value.remove(0, 1);
    const bool has_double = value.contains(u'"');
    const bool has_single = value.contains(u'\'');
    if (has_double && has_single) return u'"' + value.replace(u'"', QLatin1String("&quot;")) + u'"';
    if (has_double) return u'\'' + value + u'\'';
    const bool plain = !value.isEmpty() && std::none_of(value.cbegin(), value.cend(), [](QChar c) {
        return c.isSpace() || QStringView(u"=<>`").contains(c);
    });
    return plain && !has_single ? value : u'"' + value + u'"';
}

QString rebuild_tag(const QString& key, const QList<PropertyRow>& rows, const QString& extra, bool closes_itself) {
    QString attributes;
    for (const PropertyRow& row : rows)
        if (!row.is_header() && !row.value.isEmpty()) append_word(attributes, row.name + u'=' + written_value(row.value));
    return (u'<' + key + u' ' + attributes + u' ' + extra).trimmed() + (closes_itself ? QStringLiteral(" />") : QStringLiteral(">"));
}

}  // namespace tamsel
