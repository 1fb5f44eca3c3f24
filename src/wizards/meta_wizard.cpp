#include "wizards/meta_wizard.h"

#include "core/markup_text.h"

#include <algorithm>

namespace tamsel {
namespace {

struct Range {
    qsizetype start = 0;
    qsizetype end = 0;  // one past the last character
};

// Where the head's content lies: after the ">" of its start tag, up to its end tag.
struct HeadLayout {
    qsizetype content = -1;
    qsizetype close = -1;
};

bool is_name_end(QChar c) { return is_markup_blank(c) || c == u'>' || c == u'/' || c == u'='; }

// The next tag named keyword ("<HEAD", "</TITLE") at or after from, not a longer name ("<HEADER").
qsizetype find_named(QStringView text, QLatin1StringView keyword, qsizetype from) {
    for (qsizetype at = index_of_ci(text, keyword, from); at >= 0; at = index_of_ci(text, keyword, at + 1))
        if (at + keyword.size() >= text.size() || is_name_end(text[at + keyword.size()])) return at;
    return -1;
}

// One past the ">" that ends the tag at from; a ">" inside a quoted value belongs to the value.
qsizetype tag_end(QStringView text, qsizetype from) {
    for (qsizetype i = from + 1; i < text.size(); ++i) {
        if (text[i] == u'>') return i + 1;
        if (text[i] != u'=') continue;
        while (i + 1 < text.size() && is_markup_blank(text[i + 1])) ++i;
        if (i + 1 < text.size() && (text[i + 1] == u'"' || text[i + 1] == u'\'')) {
            const qsizetype close = text.indexOf(text[i + 1], i + 2);
            if (close < 0) return -1;
            i = close;
        }
    }
    return -1;
}

HeadLayout head_layout(QStringView text) {
    HeadLayout head;
    const qsizetype open = find_named(text, QLatin1StringView("<HEAD"), 0);
    if (open < 0) return head;
    head.content = tag_end(text, open);
    if (head.content < 0) return {};
    head.close = find_named(text, QLatin1StringView("</HEAD"), head.content);
    if (head.close < 0) head.close = head.content;
    return head;
}

Range title_range(QStringView text, const HeadLayout& head) {
    const qsizetype open = find_named(text, QLatin1StringView("<TITLE"), head.content);
    if (open < 0 || open >= head.close) return {};
    const qsizetype close = find_named(text, QLatin1StringView("</TITLE"), open);
    const qsizetype end = close < 0 ? -1 : text.indexOf(u'>', close);
    if (end < 0 || end >= head.close) return {};
    return {open, end + 1};
}

QList<Range> meta_ranges(QStringView text, const HeadLayout& head) {
    QList<Range> ranges;
    for (qsizetype at = find_named(text, QLatin1StringView("<META"), head.content); at >= 0 && at < head.close;
         at = find_named(text, QLatin1StringView("<META"), at + 1)) {
        const qsizetype end = tag_end(text, at);
        if (end < 0 || end > head.close) break;
        ranges.append({at, end});
        at = end - 1;
    }
    return ranges;
}

QString attribute(const QList<TagAttribute>& attributes, QStringView name) {
    for (const TagAttribute& a : attributes)
        if (a.name == name) return a.value;
    return {};
}
bool has_attribute(const QList<TagAttribute>& attributes, QStringView name) {
    return std::any_of(attributes.begin(), attributes.end(), [name](const TagAttribute& a) { return a.name == name; });
}

// "text/html; charset=iso-8859-2" gives "iso-8859-2".
QString charset_of_content(const QString& content) {
    const qsizetype at = content.indexOf(QLatin1String("charset="), 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    const QString rest = content.mid(at + 8);
    return rest.left(rest.indexOf(u';') < 0 ? rest.size() : rest.indexOf(u';')).trimmed();
}

// Files one META tag into head; true when the wizard manages it (it is then written from the fields).
bool file_meta(const QString& tag, HeadMetas& head) {
    const QList<TagAttribute> attributes = tag_attributes(tag);
    if (has_attribute(attributes, u"charset") && head.character_set.isEmpty()) {
        head.character_set = attribute(attributes, u"charset").trimmed();
        head.charset_form = true;
        return true;
    }
    const bool http = has_attribute(attributes, u"http-equiv");
    const QString name = (http ? attribute(attributes, u"http-equiv") : attribute(attributes, u"name")).trimmed().toLower();
    const QString content = attribute(attributes, u"content");
    // A second tag of a managed name is kept as it is: only the first one fills the field.
    const auto take = [&content](QString& field) {
        if (!field.isEmpty()) return false;
        field = content;
        return true;
    };
    if (name == u"content-type" && head.character_set.isEmpty()) {
        head.character_set = charset_of_content(content);
        return !head.character_set.isEmpty();
    }
    if (name == u"expires" && head.expires_tag.isEmpty()) {
        head.expires_tag = tag;
        return true;
    }
    if (name == u"keywords") return take(head.keywords);
    if (name == u"description") return take(head.description);
    if (name == u"author") return take(head.author);
    if (name == u"robots") return take(head.robots);
    return name == u"generator";  // written anew with the program's name
}

// The removed stretch grows to the whole line when the tag stood alone on it.
Range whole_line_of(QStringView text, Range r) {
    qsizetype start = r.start;
    while (start > 0 && (text[start - 1] == u' ' || text[start - 1] == u'\t')) --start;
    qsizetype end = r.end;
    while (end < text.size() && (text[end] == u' ' || text[end] == u'\t')) ++end;
    const bool alone = (start == 0 || text[start - 1] == u'\n' || text[start - 1] == u'\r');
    if (!alone || end >= text.size() || (text[end] != u'\n' && text[end] != u'\r')) return r;
    end += text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1;
    return {start, end};
}

QString meta_line(QStringView kind, QStringView name, QString content) {
    return QStringLiteral("<META %1=\"%2\" content=\"%3\">").arg(kind, name, content.replace(u'"', QLatin1String("&quot;")));
}

constexpr std::array<QStringView, 4> robots_values = {u"all", u"NoIndex,Follow", u"Index,NoFollow", u"None"};

}  // namespace

QList<TagAttribute> tag_attributes(QStringView tag) {
    QList<TagAttribute> attributes;
    qsizetype i = 1;
    while (i < tag.size() && !is_name_end(tag[i])) ++i;  // the tag's own name
    while (i < tag.size()) {
        while (i < tag.size() && (is_markup_blank(tag[i]) || tag[i] == u'/')) ++i;
        if (i >= tag.size() || tag[i] == u'>') break;
        const qsizetype name_start = i;
        while (i < tag.size() && !is_name_end(tag[i])) ++i;
        TagAttribute a{tag.sliced(name_start, i - name_start).toString().toLower(), {}};
        if (i == name_start) ++i;  // a stray "=": step over it
        qsizetype j = i;
        while (j < tag.size() && is_markup_blank(tag[j])) ++j;
        if (j < tag.size() && tag[j] == u'=' && i > name_start) {
            for (++j; j < tag.size() && is_markup_blank(tag[j]);) ++j;
            if (j < tag.size() && (tag[j] == u'"' || tag[j] == u'\'')) {
                const qsizetype close = tag.indexOf(tag[j], j + 1);
                const qsizetype end = close < 0 ? tag.size() : close;
                a.value = tag.sliced(j + 1, end - j - 1).toString();
                i = end + 1;
            } else {
                i = j;
                while (i < tag.size() && !is_markup_blank(tag[i]) && tag[i] != u'>') ++i;
                a.value = tag.sliced(j, i - j).toString();
            }
        }
        if (!a.name.isEmpty()) attributes.append(a);
    }
    return attributes;
}

namespace {

// Where the head's content, its title element and its META tags stand; found once for reading and
// writing alike.
struct HeadParts {
    HeadLayout layout;
    Range title;
    QList<Range> metas;
};

HeadParts head_parts(QStringView text) {
    HeadParts parts{head_layout(text), {}, {}};
    if (parts.layout.content < 0) return parts;
    parts.title = title_range(text, parts.layout);
    parts.metas = meta_ranges(text, parts.layout);
    return parts;
}

HeadMetas metas_of(QStringView text, const HeadParts& parts) {
    HeadMetas head;
    if (const Range t = parts.title; t.end > t.start) {
        const QStringView element = text.sliced(t.start, t.end - t.start);
        const qsizetype open_end = element.indexOf(u'>') + 1;
        const qsizetype close = element.lastIndexOf(QLatin1String("</"));
        head.title = trimmed_blanks(element.sliced(open_end, std::max<qsizetype>(close - open_end, 0)));
    }
    for (const Range& r : parts.metas) {
        const QString tag = text.sliced(r.start, r.end - r.start).toString();
        if (!file_meta(tag, head)) head.kept_tags.append(tag);
    }
    return head;
}

}  // namespace

HeadMetas read_head_metas(QStringView text) { return metas_of(text, head_parts(text)); }

MetaFields fields_of(const HeadMetas& head, QStringView default_set) {
    MetaFields f{head.title, head.description, head.keywords, head.author, {}, true, true};
    const QString declared = head.character_set.isEmpty() ? default_set.toString() : head.character_set;
    f.character_set = declared;
    for (const QStringView entry : meta_character_sets)
        if (!entry.isEmpty() && entry.compare(declared, Qt::CaseInsensitive) == 0) f.character_set = entry.toString();
    const QString robots = head.robots.isEmpty() ? QStringLiteral("none") : head.robots.toLower();
    if (robots != u"none") {
        f.no_follow = robots != u"all" && robots.contains(QLatin1String("nof"));
        f.no_index = robots != u"all" && robots.contains(QLatin1String("noi"));
    }
    return f;
}

QString meta_block(const MetaFields& f, const HeadMetas& head, const QString& generator, const QString& eol) {
    QStringList tags;
    if (!f.character_set.isEmpty())
        tags << (head.charset_form ? QStringLiteral("<meta charset=\"%1\">").arg(f.character_set)
                                   : meta_line(u"HTTP-EQUIV", u"content-type", QStringLiteral("text/html; charset=") + f.character_set));
    if (!head.expires_tag.isEmpty()) tags << head.expires_tag;
    if (!f.title.isEmpty()) tags << QStringLiteral("<title>") + f.title + QStringLiteral("</title>");
    const std::array<std::pair<QStringView, const QString*>, 3> named = {{
        {u"keywords", &f.keywords}, {u"description", &f.description}, {u"author", &f.author}}};
    for (const auto& [name, value] : named)
        if (!value->isEmpty()) tags << meta_line(u"name", name, *value);
    tags << meta_line(u"name", u"robots", robots_values[2 * int(f.no_follow) + int(f.no_index)].toString());
    tags << meta_line(u"name", u"generator", generator);
    tags << head.kept_tags;
    QString block;
    for (const QString& t : tags) block += t + eol;
    return block;
}

bool write_head_metas(PageEditor& page, const MetaFields& fields, const QString& generator) {
    EditorBuffer& e = page.editor;
    const QString text = e.text();
    const HeadParts parts = head_parts(text);
    const HeadLayout& layout = parts.layout;
    if (layout.content < 0) return false;
    const HeadMetas head = metas_of(text, parts);

    QList<Range> removed = parts.metas;
    if (parts.title.end > parts.title.start) removed.append(parts.title);
    std::sort(removed.begin(), removed.end(), [](const Range& a, const Range& b) { return a.start < b.start; });
    QString rest;
    qsizetype from = layout.content;
    for (Range r : removed) {
        r = whole_line_of(text, r);
        r.start = std::max(r.start, from);
        rest += QStringView(text).sliced(from, r.start - from);
        from = std::max(from, r.end);
    }
    rest += QStringView(text).sliced(from, layout.close - from);
    // The blanks and line ends before the next tag go: the block's last line end takes their place.
    qsizetype gap = 0;
    while (gap < rest.size() && is_markup_blank(rest[gap])) ++gap;
    rest.remove(0, gap);

    const UndoStep step(e);
    e.set_selection(layout.content, layout.close - layout.content);
    e.replace_selection(page.line_end + meta_block(fields, head, generator, page.line_end) + rest);
    return true;
}

}  // namespace tamsel
