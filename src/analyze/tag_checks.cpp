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
    return begins_with(upper_name, QLatin1StringView("DATA-")) || upper_name == QLatin1String("XMLNS") ||
           begins_with(upper_name, QLatin1StringView("XMLNS:")) || upper_name == QLatin1String("XML:LANG") ||
           upper_name == QLatin1String("XML:SPACE");
}

// "<A HREF=x>" reads "<A>".
QString tag_name_form(const QString& text) {
    const qsizetype blank = first_of(text, u' ');
    return blank < 0 ? text : text.left(blank) + QLatin1Char('>');
}

}  // namespace

TagChecker::TagChecker(const TagDatabase& db, TagList& tags, ProblemReporter& reporter)
    : db_(db), tags_(tags), reporter_(reporter) {}

void TagChecker::check_foreign_tag(const QString& text) {
    check_quotes_and_attributes(close_spaces_around_equals(text), nullptr);
}

void TagChecker::check_tag(const QString& tag, const QString& upper_name, bool self_closed) {
    const QString text = close_spaces_around_equals(tag);
    static const TagFacts unknown;
    const TagFacts& facts = upper_name.isEmpty() ? unknown : facts_of(upper_name);
    const bool known = facts.index >= 1;
    // Comments and declarations hold free text: their quotes and words are no attributes.
    if (!(text.size() > 1 && text[1] == u'!')) check_quotes_and_attributes(text, known ? &facts : nullptr);

    const QString name = name_form(text, facts);
    if (!known) {
        reporter_.report_problem(6, name);
        return;
    }
    const bool closing = name.size() > 1 && name[1] == u'/';
    if (!closing) check_required_attributes(facts);
    if (!facts.parent_forms.isEmpty()) check_parents(facts);

    switch (db_.tags()[facts.index].closing_tag) {
    case closing_required:
        if (closing) tags_.add_close(name, name == facts.close_form ? facts.open_form : QString(), reporter_.line);
        else if (!self_closed) tags_.add_open(name, reporter_.line);
        break;
    case closing_none:
        if (closing) reporter_.report_problem(7, name);
        break;
    default:
        break;
    }
}

// The tag's name as the messages show it ("<B>", "</B>"): the shared form of its name when the page wrote it
// so, else built from the text.
QString TagChecker::name_form(const QString& text, const TagFacts& facts) const {
    if (facts.index >= 1) {
        const qsizetype blank = first_of(text, u' ');
        const QStringView head = blank < 0 ? QStringView(text) : QStringView(text).first(blank);
        for (const QString* form : {&facts.open_form, &facts.close_form}) {
            const QStringView wanted = blank < 0 ? QStringView(*form) : QStringView(*form).chopped(1);
            if (equals_ascii_ci(head, wanted)) return *form;
        }
    }
    return tag_name_form(text).toUpper();
}

const TagChecker::TagFacts& TagChecker::facts_of(const QString& upper_name) {
    if (const TagFacts* const* recent = recent_facts_.find(upper_name)) return **recent;
    auto found = facts_.constFind(upper_name);
    if (found != facts_.cend()) {
        recent_facts_.remember(upper_name, &*found);
        return *found;
    }
    recent_facts_.clear();  // the hash may move its values as it grows
    TagFacts facts;
    facts.index = db_.lookup_tag(upper_name);
    if (facts.index >= 1) {
        const TagRecord& record = db_.tags()[facts.index];
        facts.key = record.key;
        facts.open_form = QLatin1Char('<') + upper_name + QLatin1Char('>');
        facts.close_form = QStringLiteral("</") + upper_name + QLatin1Char('>');
        for (const AttrRecord& attr : db_.attribute_records_of(record.key)) {
            facts.attributes.insert(attr.name.toUpper());
            if (attr.required) facts.required.append(attr.name);
        }
        facts.parents = record.parents;
        if (!record.parents.isEmpty())
            for (const QString& parent : record.parents.split(QLatin1Char(',')))
                facts.parent_forms.append(QLatin1Char('<') + trimmed_blanks(parent).toUpper() + QLatin1Char('>'));
    }
    return *facts_.insert(upper_name, facts);
}

// facts is the known tag whose attributes are checked, or null when only the quotes are.
void TagChecker::check_quotes_and_attributes(QStringView text, const TagFacts* facts) {
    seen_.resize(0);
    QChar open_quote;  // the quote of the value being read, or none
    bool single_used = false;
    // A token runs from one delimiter (a blank or ">" outside quotes) to the next, the first one included.
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
            check_attribute(text.sliced(token_start, i - token_start), facts);
            token_start = i;
        }
    }
    if (!open_quote.isNull()) reporter_.report_problem(1);
    if (single_used) reporter_.report_problem(101);
}

void TagChecker::check_attribute(QStringView token, const TagFacts* facts) {
    if (token.startsWith(u'<') || !facts) return;
    QStringView name = trim_blanks(token);
    QStringView value;
    if (const qsizetype equals = first_of(name, u'='); equals >= 0) {
        value = trim_blanks(name.sliced(equals + 1));
        name = trim_blanks(name.first(equals));
    }
    if (name.isEmpty()) return;
    if (!facts->required.isEmpty()) seen_.append(name);
    assign_upper(upper_, name);
    if (!every_tag_takes(upper_) && !facts->attributes.contains(upper_)) {
        reporter_.report_problem(19, name.toString(), facts->key);
        return;
    }
    if (value.isEmpty() || quoted(value)) return;
    if (needs_quotes(value)) reporter_.report_problem(102, name.toString() + QLatin1Char('=') + value.toString());
}

void TagChecker::check_required_attributes(const TagFacts& facts) {
    for (const QString& required : facts.required) {
        const QString upper = required.toUpper();
        bool found = false;
        for (const QStringView name : seen_) {
            assign_upper(upper_, name);
            if (upper_ == upper) {
                found = true;
                break;
            }
        }
        if (!found) reporter_.report_problem(20, required, facts.key);
    }
}

void TagChecker::check_parents(const TagFacts& facts) {
    for (const QString& parent : facts.parent_forms)
        if (tags_.is_open(parent)) return;
    reporter_.report_problem(8, facts.parents, facts.key);
}

}  // namespace tamsel
