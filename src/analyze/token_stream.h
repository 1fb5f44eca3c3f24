#pragma once
// What the scanner hands the cleanup formatter: every text chunk, tag and script or stylesheet line of a
// page in order of appearance, one a line, and where the page ended.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tamsel {

// Where one line of a token stream came from: the characters page[begin, end). For a text chunk or a script
// or stylesheet line, from its first to past its last non-blank character; for a tag, from its "<" to past
// its ">", line breaks inside included.
struct TokenSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
    bool operator==(const TokenSpan&) const = default;
};

struct TokenStream {
    bool ended_in_script = false;  // the page ended inside a SCRIPT block (or is a .JS/.VBS file)
    bool ended_in_style = false;   // the page ended inside a STYLE block (or is a .CSS file)
    bool javascript = true;        // the language of a page that begins in script: JavaScript, else VBScript

    // Where the page began: a .JS or .VBS file is script from its first line, a .CSS file stylesheet.
    bool began_in_script = false;
    bool began_in_style = false;

    // The page as the scanner read it, and one span into it per token: non-empty trimmed text chunks,
    // complete tags, trimmed script/style lines, in order. A token is the text of its span, except the few in
    // rewritten (by index): a tag or text over several lines, a tag whose blanks the scanner closed up. A
    // page of many megabytes makes millions of tokens, so a token holds no text of its own. The formatter
    // takes from the page what tokens cannot carry: the content of PRE, TEXTAREA, LISTING, XMP and
    // PLAINTEXT as it stands, line breaks inside quoted attribute values, "<% %>" server blocks whole, TABs
    // and line breaks inside script strings, and a tag left open at the end of the page.
    QString page;
    QList<TokenSpan> spans;
    QHash<qsizetype, QString> rewritten;
    std::vector<bool> is_rewritten;  // by index, so that a token is looked up in rewritten only when it is there
    // Tokens given as texts alone (set, they are the tokens, and spans that do not fit them are not used):
    // the formatter does what it can without the page.
    QStringList texts;

    qsizetype size() const { return texts.isEmpty() ? spans.size() : texts.size(); }
    QStringView line(qsizetype i) const {
        if (!texts.isEmpty()) return texts[i];
        if (static_cast<std::size_t>(i) < is_rewritten.size() && is_rewritten[i]) return *rewritten.constFind(i);
        const TokenSpan& s = spans[i];
        return QStringView(page).mid(s.begin, s.end - s.begin);
    }
    // Adds a token: the text of span, or own_text when the page does not have it so.
    void append(TokenSpan span, QStringView own_text = {}) {
        if (!own_text.isNull()) {
            is_rewritten.resize(spans.size() + 1);
            is_rewritten.back() = true;
            rewritten.insert(spans.size(), own_text.toString());
        }
        spans.append(span);
    }
    // The tokens as texts of their own.
    QStringList line_texts() const {
        QStringList all;
        all.reserve(size());
        for (qsizetype i = 0; i < size(); ++i) all.append(line(i).toString());
        return all;
    }
};

}  // namespace tamsel
