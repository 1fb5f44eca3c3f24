#pragma once
// The RTF control words the converter acts on, each with what it does; every other word is ignored.
// Words are matched without regard to letter case.
#include <cstdint>
#include <string_view>

namespace tamsel {

enum class RtfAction : std::uint8_t {
    ignore,              // no use for it here
    header,              // part of the file's header: ignored, and no table cell opens for it
    skip_group,          // a destination that holds no text of the document: its group is skipped whole
    field_result,        // \fldrslt, the text a field shows: kept even where "\*" marks it
    page_start,          // write the page start
    font_table,          // the font table begins (and the page start is written)
    colour_table,        // the colour table begins
    font,                // \fN: the font of the text, or the number of a font table entry
    font_charset,        // \fcharsetN of a font table entry: the code page its text is in
    default_font,        // \deffN: the font of text that names none the table has
    code_page,           // \ansicpgN
    code_page_mac,       // \mac, \pc, \pca: the character set named by the word itself
    code_page_pc,
    code_page_pca,
    font_size,           // \fsN, half-points
    colour,              // \cfN, an index of the colour table
    bold,
    italic,
    underline,
    underline_off,       // \ulnone
    plain,               // character formatting back to its defaults
    paragraph_break,     // \par, \line and the breaks of sections and pages
    paragraph_defaults,  // \pard
    align_left,
    align_centre,
    align_right,
    row_start,           // \trowd
    in_table,            // \intbl
    cell_end,            // \cell
    row_end,             // \row
    cell_boundary,       // \cellxN, a cell's right edge in twips
    red,                 // the components of a colour table entry
    green,
    blue,
    unicode,             // \uN: a character, followed by fallback characters to skip
    unicode_skip,        // \ucN: how many fallback characters follow \uN
    character,           // a word that stands for one character (\tab, \emdash, \lquote, ...)
};

struct RtfWord {
    std::string_view name;
    RtfAction action;
    char16_t character = 0;  // for RtfAction::character
};

// The entry of name (any letter case), or an ignored entry for a word of no use here.
RtfWord find_rtf_word(std::string_view name);

}  // namespace tamsel
