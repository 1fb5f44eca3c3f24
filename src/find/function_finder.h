#pragma once
// The function finder: the JavaScript functions and VBScript procedures declared inside a page's SCRIPT
// blocks. Per block it takes every whole word "function", then every whole word "sub", in any letter
// case; a word records the rest of its line as a declaration when a name follows it.
#include <QList>
#include <QString>
#include <QStringView>

namespace tamsel {

struct FunctionEntry {
    QString name;
    qsizetype start = 0;   // where the keyword stands
    qsizetype length = 0;  // from the keyword to the end of its line
    int line = 0;          // counted from 0
    bool operator==(const FunctionEntry&) const = default;
};

// In the finder's order: block by block, the functions of a block before its subs. A block runs from each
// "<script" to the next "</script", or to the end of the text when it is not closed. A keyword counts when
// a blank and a name follow it: closing statements (End Function, Exit Sub), anonymous functions and
// Function.prototype are left out.
QList<FunctionEntry> find_functions(QStringView text);

// The entry that a pick of name selects: the first one of that name (two declarations of one name both
// show in the list). -1 when none has it.
qsizetype first_entry_named(const QList<FunctionEntry>& entries, const QString& name);

}  // namespace tamsel
