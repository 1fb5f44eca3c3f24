#include "analyze/tag_checks.h"

#include "core/markup_text.h"
#include "tagdb/tag_database.h"

namespace tamsel {
namespace {

// Unquoted values may hold letters, digits, "-" and "," only.
bool needs_quotes(QStringView value) {
    for (const QChar c : value) {
        const char16_t u = c.toUpper().unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || u == u'-' || u == u',')) return true;
    }
    return false;
}

bool quoted(QStringView value) {
    return value.size() >= 1 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
}

// Custom data attributes are an open family that every tag takes; so are the namespace declarations and the
// language and white-space settings of XHTML.
bool every_tag_takes(const QString& upper_name) {
    return upper_name.startsWith(QLatin1String("DATA-")) || upper_name == QLatin1String("XMLNS") ||
           upper_name.startsWith(QLatin1String("XMLNS:")) || upper_name == QLatin1String("XML:LANG") ||
           upper_name == QLatin1String("XML:SPACE");
}

// "<A HREF=x>" reads "<A>".
QString tag_name_form(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? text : text.left(blank) + QLatin1Char('>');
}

}  // namespace

TagChecker::TagChecker(const TagDatabase& db, TagList& tags, ProblemReporter& reporter)
    : db_(db), tags_(tags), reporter_(reporter) {}

void TagChecker::check_foreign_tag(const QString& text) {
    TagUnderTest tag;
    tag.text = close_spaces_around_equals(text);
    check_quotes_and_attributes(tag);
}

void TagChecker::check_tag(const QString& text, int index, bool self_closed) {
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
        else if (!self_closed) tags_.add_open(name, reporter_.line);
        break;
    case closing_none:
        if (closing) reporter_.report_problem(7, name);
        break;
    default:
        break;
    }
}

void TagChecker::check_quotes_and_attributes(TagUnderTest& tag) {
    QChar open_quote;  // the quote of the value being read, or none
    bool single_used = false;
    // A token runs from one delimiter (a blank or ">" outside quotes) to the next, the first one included.
    const QStringView text(tag.text);
    qsizetype token_start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!open_quote.isNull()) {
            // Inside a value the other kind of quote is an ordinary character: title="it's".
            if (c == open_quote) open_quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            open_quote = c;
            single_used = single_used || c == u'\'';
        } else if (c == u' ' || c == u'>') {
            check_attribute(tag, text.sliced(token_start, i - token_start));
            token_start = i;
        }
    }
    if (!open_quote.isNull()) reporter_.report_problem(1);
    if (single_used) reporter_.report_problem(101);
}

void TagChecker::check_attribute(TagUnderTest& tag, QStringView token) {
    if (token.startsWith(u'<')) return;
    QStringView name = trim_blanks(token);
    QStringView value;
    if (const qsizetype equals = name.indexOf(u'='); equals >= 0) {
        value = trim_blanks(name.sliced(equals + 1));
        name = trim_blanks(name.first(equals));
    }
    const QString upper_name = name.toString().toUpper();
    tag.attribute_names.insert(upper_name);
    if (name.isEmpty() || tag.key.isEmpty()) return;
    if (!every_tag_takes(upper_name) && !attributes_of(tag.key).names.contains(upper_name)) {
        reporter_.report_problem(19, name.toString(), tag.key);
        return;
    }
    if (value.isEmpty() || quoted(value)) return;
    if (needs_quotes(value)) reporter_.report_problem(102, name.toString() + QLatin1Char('=') + value.toString());
}

void TagChecker::check_required_attributes(const TagUnderTest& tag) {
    for (const QString& name : attributes_of(tag.key).required)
        if (!tag.attribute_names.contains(name.toUpper())) reporter_.report_problem(20, name, tag.key);
}

void TagChecker::check_parents(const QString& parents, const QString& key) {
    for (const QString& parent : parents.split(QLatin1Char(',')))
        if (tags_.is_open(QLatin1Char('<') + trimmed_blanks(parent).toUpper() + QLatin1Char('>'))) return;
    reporter_.report_problem(8, parents, key);
}

const TagChecker::KnownAttributes& TagChecker::attributes_of(const QString& key) {
    auto found = attribute_cache_.find(key);
    if (found == attribute_cache_.end()) {
        KnownAttributes known;
        for (const int i : db_.attributes_of(key)) {
            const AttrRecord& attr = db_.attrs()[i];
            known.names.insert(attr.name.toUpper());
            if (attr.required) known.required.append(attr.name);
        }
        found = attribute_cache_.insert(key, known);
    }
    return *found;
}

}  // namespace tamsel
