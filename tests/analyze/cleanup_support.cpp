#include "analyze/cleanup_support.h"

#include "analyze/cleanup_formatter.h"

#include <QStringView>

namespace tamsel::test {
namespace {

bool blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

class PageScanner {
public:
    PageScanner(const QString& page, PageKind kind) : page_(page) {
        t_.page = page;
        in_script_ = t_.began_in_script = kind == PageKind::javascript || kind == PageKind::vbscript;
        in_style_ = t_.began_in_style = kind == PageKind::stylesheet;
        t_.javascript = kind != PageKind::vbscript;
    }

    TokenStream scan() {
        for (qsizetype start = 0;;) {
            const qsizetype nl = page_.indexOf(QLatin1Char('\n'), start);
            qsizetype end = nl < 0 ? page_.size() : nl;
            if (end > start && page_[end - 1] == QLatin1Char('\r')) --end;
            scan_line(start, end);
            if (nl < 0) break;
            start = nl + 1;
        }
        flush_text();
        t_.ended_in_script = in_script_;
        t_.ended_in_style = in_style_;
        return t_;
    }

private:
    bool ahead(qsizetype p, QStringView s) const {
        return QStringView(page_).mid(p, s.size()).compare(s, Qt::CaseInsensitive) == 0;
    }

    void scan_line(qsizetype a, qsizetype b) {
        // A tag running over lines gets one blank for the line end.
        if (!tag_.isEmpty() && tag_ != QLatin1String("<")) tag_ = tag_.trimmed() + QLatin1Char(' ');
        while (a < b && blank(page_[a])) ++a;
        while (b > a && blank(page_[b - 1])) --b;
        for (qsizetype p = a; p < b; ++p) {
            const QChar c = page_[p] == QLatin1Char('\t') ? QChar(QLatin1Char(' ')) : page_[p];
            if (in_script_ && ahead(p, u"</SCRIPT")) {
                flush_text();
                in_script_ = false;
            }
            if (in_style_ && ahead(p, u"</STYLE")) {
                flush_text();
                in_style_ = false;
            }
            if (c == QLatin1Char('<') && !(p + 1 < b && blank(page_[p + 1])) && !in_script_) {
                flush_text();
                in_tag_ = true;
            }
            if (in_tag_) {
                if (tag_.isEmpty()) tag_begin_ = p;
                tag_.append(c);
                if (c == QLatin1Char('>')) end_tag(p + 1);
            } else {
                if (c != QLatin1Char(' ')) {
                    if (text_first_ < 0) text_first_ = p;
                    text_end_ = p + 1;
                }
                text_.append(c);
            }
        }
        flush_text();
    }

    void end_tag(qsizetype end) {
        const QString upper = tag_.toUpper();
        if (upper.startsWith(u"<SCRIPT")) {
            in_script_ = true;
            t_.javascript = !upper.contains(u"VB");
        } else if (upper.startsWith(u"</SCRIPT")) {
            flush_text();
            in_script_ = false;
        }
        if (upper.startsWith(u"<STYLE")) {
            in_style_ = true;
        } else if (upper.startsWith(u"</STYLE")) {
            flush_text();
            in_style_ = false;
        }
        while (tag_.endsWith(u" >")) tag_.remove(tag_.size() - 2, 1);
        t_.lines.append(tag_);
        t_.spans.append({tag_begin_, end});
        tag_.clear();
        in_tag_ = false;
    }

    void flush_text() {
        const QString chunk = text_.trimmed();
        if (!chunk.isEmpty()) {
            t_.lines.append(chunk);
            t_.spans.append({text_first_, text_end_});
        }
        text_.clear();
        text_first_ = -1;
    }

    const QString& page_;
    TokenStream t_;
    bool in_tag_ = false;
    bool in_script_ = false;
    bool in_style_ = false;
    QString text_;
    qsizetype text_first_ = -1;
    qsizetype text_end_ = 0;
    QString tag_;
    qsizetype tag_begin_ = 0;
};

struct TestTag {
    const char* key;
    const char* layout;  // B break before the opening tag, A after it, b before the closing tag, a after it, I indent
};

constexpr TestTag test_tags[] = {
    {"!",     ""},      {"A",     ""},      {"B",        ""},      {"BODY",  "BAba"}, {"BR",    "a"},
    {"DIV",   "BAbaI"}, {"H1",    "Ba"},    {"HEAD",     "BAbaI"}, {"HTML",  "BAba"}, {"I",     ""},
    {"LI",    "B"},     {"META",  "Ba"},    {"P",        "Ba"},    {"PRE",   "Ba"},   {"STYLE", "BAba"},
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

TokenStream tokens_of_page(const QString& page, PageKind kind) { return PageScanner(page, kind).scan(); }

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
    QString text = format_page(tokens_of_page(page, kind), formatter_database(), config);
    if (text.endsWith(u"\r\n")) text.chop(2);
    return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
}

}  // namespace tamsel::test
