#pragma once
// Lays out style sheets one rule at a time: text is collected in a rule buffer until a "}" of the code ends
// the rule; then the selector is padded to 12 characters and each declaration stands on a line of its own,
// its property and value padded to 18. Strings, url(...) arguments and comments are never split, and the
// characters of the sheet keep their order.
#include <QString>
#include <QStringView>

namespace tamsel {

class LineEmitter;

class StylesheetFormatter {
public:
    void format_line(QStringView line, LineEmitter& out);
    // Writes what waits in the rule buffer as a rule and forgets the state of the block.
    void flush(LineEmitter& out);

private:
    void format_rule(QStringView rule, LineEmitter& out) const;

    QString buffer_;
    bool comment_ = false;  // inside "/* */"; runs on from line to line
};

}  // namespace tamsel
