#pragma once
// What the status bar says of the active document: where the caret is, how much is selected, and the
// document's type, encoding and line ends.
#include <QString>

namespace tamsel {

class Document;

struct StatusFields {
    QString position;   // "Ln 12, Col 5"
    QString selection;  // "Sel 10", empty without a selection
    QString type;       // "HTML", "JavaScript" ...
    QString encoding;   // "UTF-8", "UTF-8 BOM", "Windows-1252"
    QString line_ends;  // "CR LF", "LF", "CR"
};

// line and column count from 1; no document gives empty fields.
StatusFields status_fields(const Document* doc, int line, int column, qsizetype selection_length);

}  // namespace tamsel
