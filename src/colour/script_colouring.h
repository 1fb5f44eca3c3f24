#pragma once
// Colouring of script and stylesheet documents. A small lexer per language reads the text once, a state
// switch per character, and gives each stretch a word class (keyword, string, comment, selector, ...);
// the classes take the highlight colours of the configuration. Like the colouring of pages it never fails
// on bad input: an unclosed string ends with its line, an unclosed comment runs to the end of the text.
#include "colour/colorize.h"

#include <QStringView>
#include <optional>

namespace tamsel {

enum class ScriptLanguage { JavaScript, VBScript, Css };

// The language a document type is coloured in; none for pages, plain text and templates.
std::optional<ScriptLanguage> script_language_of(int document_type);

// The colour runs of the whole text: ascending, back to back, covering every character, neighbours of
// one colour merged.
QList<ColourRun> colour_script(QStringView text, ScriptLanguage language, const ColourScheme& scheme);

}  // namespace tamsel
