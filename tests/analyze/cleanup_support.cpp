#include "analyze/cleanup_support.h"

#include "analyze/page_cleanup.h"

namespace tamsel::test {
namespace {

struct TestTag {
    const char* key;
    const char* layout;  // B break before the opening tag, A after it, b before the closing tag, a after it, I indent,
                         // E an element without content (no closing tag)
};

constexpr TestTag test_tags[] = {
    {"!",     ""},      {"A",     ""},      {"B",        ""},      {"BODY",  "BAba"}, {"BR",    "aE"},
    {"DIV",   "BAbaI"}, {"H1",    "Ba"},    {"HEAD",     "BAbaI"}, {"HTML",  "BAba"}, {"I",     ""},
    {"LI",    "B"},     {"META",  "BaE"},    {"P",        "Ba"},    {"PRE",   "Ba"},   {"STYLE", "BAba"},
    {"TABLE", "BAbaI"}, {"TD",    "Ba"},    {"TEXTAREA", ""},      {"TITLE", "Ba"},   {"TR",    "BAbaI"},
    {"UL",    "BAbaI"},
};

constexpr const char* test_words[] = {"Dim", "Else", "ElseIf", "End", "Function", "If", "MsgBox", "Sub", "Then", "UCase", "vbCrLf"};

TagDatabase make_database() {
    TagDatabase db;
    for (const TestTag& t : test_tags) {
        TagRecord r;
        r.key = r.name = QString::fromLatin1(t.key);
        const QString layout = QString::fromLatin1(t.layout);
        r.break_before_open = layout.contains(QLatin1Char('B'));
        r.break_after_open = layout.contains(QLatin1Char('A'));
        r.break_before_close = layout.contains(QLatin1Char('b'));
        r.break_after_close = layout.contains(QLatin1Char('a'));
        r.indent = layout.contains(QLatin1Char('I'));
        r.closing_tag = layout.contains(QLatin1Char('E')) ? closing_none : closing_required;
        db.edit_tags().append(r);
    }
    db.sort_tags();
    for (const char* w : test_words) {
        const QString word = QString::fromLatin1(w);
        db.edit_vocabulary().append({word.toLower(), word});
    }
    sort_vocabulary(db.edit_vocabulary());
    return db;
}

}  // namespace

QString name_of_page(PageKind kind) {
    switch (kind) {
    case PageKind::javascript: return QStringLiteral("/site/code.js");
    case PageKind::vbscript: return QStringLiteral("/site/code.vbs");
    case PageKind::stylesheet: return QStringLiteral("/site/sheet.css");
    case PageKind::html: break;
    }
    return QStringLiteral("/site/page.htm");
}

TokenStream tokens_of_page(const QString& page, PageKind kind) {
    ResultList results;
    MetaSlots metas;
    PageCleanup cleanup(formatter_database(), results, metas);
    cleanup.scan_text(page, name_of_page(kind));
    return cleanup.tokens();
}

const TagDatabase& formatter_database() {
    static const TagDatabase db = make_database();
    return db;
}

ConfigTable formatter_config(std::initializer_list<std::pair<int, const char*>> values) {
    ConfigTable config;
    for (const auto& [slot, value] : values) config.set_value(slot, QString::fromLatin1(value));
    return config;
}

QStringList cleaned_lines(const QString& page, const ConfigTable& config, PageKind kind) {
    QString text = clean_page(page, name_of_page(kind), formatter_database(), config);
    if (text.endsWith(u"\r\n")) text.chop(2);
    return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
}

}  // namespace tamsel::test
