#pragma once
// What the scanner hands the cleanup formatter: every text chunk, tag and script or stylesheet line of a
// page in order of appearance, one a line, and where the page ended.
#include <QStringList>

namespace tamsel {

struct TokenStream {
    QStringList lines;             // non-empty trimmed text chunks, complete tags, trimmed script/style lines
    QList<int> line_numbers;       // for each entry of lines, the page line (1-based) on which it ended
    bool ended_in_script = false;  // the page ended inside a SCRIPT block (or is a .JS/.VBS file)
    bool ended_in_style = false;   // the page ended inside a STYLE block (or is a .CSS file)
    bool javascript = true;        // the language of the last SCRIPT block: JavaScript, else VBScript
};

}  // namespace tamsel
