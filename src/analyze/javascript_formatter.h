#pragma once
// Lays out JavaScript: every "{" and "}" of the code on a line of its own, the text between them one level
// deeper. Only braces of the code count: those in strings, template literals, regular expressions and
// comments are text. The script still parses and behaves as before: strings keep their characters, a
// template literal running over lines keeps its lines as they stand, and "return {" and the like keep their
// brace on the keyword's line.
#include <QList>
#include <initializer_list>
#include <QString>
#include <QStringView>

namespace tamsel {

class LineEmitter;

class JavaScriptFormatter {
public:
    // One script line as the page holds it; gap is what the page holds between the script line before and
    // this one (a line break and blanks), used when a template literal or a string runs on into this line.
    void format_line(QStringView line, QStringView gap, LineEmitter& out);
    // The script block ended: writes what is pending and forgets the state of the block.
    void finish(LineEmitter& out);

private:
    struct Template {
        bool in_code = false;  // inside "${ }"
        int depth = 0;         // braces open inside "${ }"
    };

    qsizetype code_char(QStringView line, qsizetype i, LineEmitter& out);
    qsizetype copy_regex(QStringView line, qsizetype i);
    void open_brace(LineEmitter& out);
    void close_brace(LineEmitter& out);
    void write_pending(LineEmitter& out);
    bool regex_may_start() const;
    bool keyword_before(std::initializer_list<QStringView> keywords) const;
    void note_code(QChar c);
    void note_operand();

    QString pending_;             // code collected since the last line written
    bool continued_ = false;      // the line before ended inside a template literal or a continued string
    bool comment_ = false;        // inside "/* */"
    QChar quote_;                 // inside a '...' or "..." string
    QList<Template> templates_;   // template literals open, innermost last
    bool line_has_code_ = false;  // code other than blanks seen on the current line
    // What the code ended with, to tell a regular expression from a division.
    QChar last_;
    QString last_word_;
    bool in_word_ = false;
    bool word_after_dot_ = false;
};

}  // namespace tamsel
