#pragma once
// What the scanner hands the cleanup formatter: every text chunk, tag and script or stylesheet line of a
// page in order of appearance, one a line, and where the page ended.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

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
    // Non-empty trimmed text chunks, complete tags, trimmed script/style lines. Each is a view: into page
    // where the token stands there as it is (most do), otherwise into its own text in owned.
    QList<QStringView> lines;
    QStringList owned;
    bool ended_in_script = false;  // the page ended inside a SCRIPT block (or is a .JS/.VBS file)
    bool ended_in_style = false;   // the page ended inside a STYLE block (or is a .CSS file)
    bool javascript = true;        // the language of the last SCRIPT block: JavaScript, else VBScript

    // Where the page began: a .JS or .VBS file is script from its first line, a .CSS file stylesheet.
    bool began_in_script = false;
    bool began_in_style = false;

    // The page as the scanner read it, and one span into it per line. The formatter takes from them what the
    // lines cannot carry: the content of PRE, TEXTAREA, LISTING, XMP and PLAINTEXT as it stands, line breaks
    // inside quoted attribute values, "<% %>" server blocks whole, TABs and line breaks inside script
    // strings, and a tag left open at the end of the page. Without spans (empty list) it does with the lines.
    QString page;
    QList<TokenSpan> spans;

    // The tokens as texts of their own.
    QStringList line_texts() const {
        QStringList texts;
        texts.reserve(lines.size());
        for (const QStringView line : lines) texts.append(line.toString());
        return texts;
    }
};

}  // namespace tamsel
