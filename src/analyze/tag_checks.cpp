#include "analyze/tag_checks.h"

#include "analyze/markup_text.h"
#include "tagdb/tag_database.h"

namespace tamsel {
namespace {

// Unquoted values may hold letters, digits, "-" and "," only.
bool needs_quotes(const QString& value) {
    for (const QChar c : value) {
        const char16_t u = c.toUpper().unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || u == u'-' || u == u',')) return true;
    }
    return false;
}

bool quoted(const QString& value) {
    return value.size() >= 1 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
}

// "<A HREF=x>" reads "<A>".
QString tag_name_form(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? text : text.left(blank) + QLatin1Char('>');
}

}  // namespace

TagChecker::TagChecker(const TagDatabase& db, TagList& tags, ProblemReporter& reporter)
    : db_(db), tags_(tags), reporter_(reporter) {}

void TagChecker::check_tag(const QString& text, int index) {
    TagUnderTest tag;
    tag.text = close_spaces_around_equals(text);
    if (index >= 1) tag.key = db_.tags()[index].key;
    // Comments and declarations hold free text: their quotes and words are no attributes.
    if (!tag.text.startsWith(QLatin1String("<!"))) check_quotes_and_attributes(tag);

    const QString name = tag_name_form(tag.text).toUpper();
    if (index < 1) {
        reporter_.report_problem(6, name);
        return;
    }
    const TagRecord& record = db_.tags()[index];
    const bool closing = name.startsWith(QLatin1String("</"));
    if (!closing) check_required_attributes(tag);
    if (!record.parents.isEmpty()) check_parents(record.parents, record.key);

    switch (record.closing_tag) {
    case closing_required:
        if (closing) tags_.add_close(name, reporter_.line);
        else tags_.add_open(name, reporter_.line);
        break;
    case closing_none:
        if (closing) reporter_.report_problem(7, name);
        break;
    default:
        break;
    }
}

void TagChecker::check_quotes_and_attributes(TagUnderTest& tag) {
    bool in_single = false;
    bool in_double = false;
    bool single_used = false;
    QString token;
    for (const QChar c : std::as_const(tag.text)) {
        if (c == u'\'') {
            in_single = !in_single;
            single_used = true;
        } else if (c == u'"') {
            in_double = !in_double;
        }
        if (!in_single && !in_double && (c == u' ' || c == u'>')) {
            check_attribute(tag, token);
            token.clear();
        }
        token += c;
    }
    if (in_single || in_double) reporter_.report_problem(1);
    if (single_used) reporter_.report_problem(101);
}

void TagChecker::check_attribute(TagUnderTest& tag, const QString& token) {
    if (token.startsWith(QLatin1Char('<'))) return;
    QString name = trimmed_blanks(token);
    QString value;
    if (const qsizetype equals = name.indexOf(QLatin1Char('=')); equals >= 0) {
        value = trimmed_blanks(QStringView(name).sliced(equals + 1));
        name = trimmed_blanks(QStringView(name).first(equals));
    }
    tag.attribute_names.insert(name.toUpper());
    if (name.isEmpty() || tag.key.isEmpty()) return;
    // Custom data attributes are an open family that every tag takes.
    const bool data_attribute = starts_with_ci(name, u"data-");
    if (!data_attribute && !attributes_of(tag.key).contains(name.toUpper())) {
        reporter_.report_problem(19, name, tag.key);
        return;
    }
    if (value.isEmpty() || quoted(value)) return;
    if (needs_quotes(value)) reporter_.report_problem(102, name + QLatin1Char('=') + value);
}

void TagChecker::check_required_attributes(const TagUnderTest& tag) {
    for (const int i : db_.attributes_of(tag.key)) {
        const AttrRecord& attr = db_.attrs()[i];
        if (attr.required && !tag.attribute_names.contains(attr.name.toUpper()))
            reporter_.report_problem(20, attr.name, tag.key);
    }
}

void TagChecker::check_parents(const QString& parents, const QString& key) {
    for (const QString& parent : parents.split(QLatin1Char(',')))
        if (tags_.is_open(QLatin1Char('<') + trimmed_blanks(parent).toUpper() + QLatin1Char('>'))) return;
    reporter_.report_problem(8, parents, key);
}

const QSet<QString>& TagChecker::attributes_of(const QString& key) {
    auto found = attribute_cache_.find(key);
    if (found == attribute_cache_.end()) {
        QSet<QString> names;
        for (const int i : db_.attributes_of(key)) names.insert(db_.attrs()[i].name.toUpper());
        found = attribute_cache_.insert(key, names);
    }
    return *found;
}

}  // namespace tamsel
