#pragma once
// Lays out VBScript line by line: the level from the opening and closing keywords a line begins with, the
// written form of each word from the Vocabulary table, and blanks cleaned up around "=" and ",". Strings
// and comments keep their characters; no two words are ever joined.
#include "tagdb/tag_database.h"

#include <QStringView>

namespace tamsel {

class LineEmitter;

class VBScriptFormatter {
public:
    // script_break: a line holding one blank follows each procedure that ends at level 0.
    // The Vocabulary is read from db at the first line: a page without VBScript never asks for it.
    VBScriptFormatter(const TagDatabase& db, bool script_break) : db_(db), script_break_(script_break) {}

    void format_line(QStringView line, LineEmitter& out) const;

private:
    QString with_word_forms(const QString& line) const;
    QString written_form(QStringView word) const;

    const TagDatabase& db_;
    bool script_break_;
};

}  // namespace tamsel
