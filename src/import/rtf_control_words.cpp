#include "import/rtf_control_words.h"

#include <algorithm>
#include <array>

namespace tamsel {
namespace {

using A = RtfAction;

// Sorted by name, for the binary search below.
constexpr std::array rtf_words = {
    RtfWord{"ansi",               A::header},
    RtfWord{"ansicpg",            A::code_page},
    RtfWord{"b",                  A::bold},
    RtfWord{"blue",               A::blue},
    RtfWord{"bullet",             A::character, u'\u2022'},
    RtfWord{"cell",               A::cell_end},
    RtfWord{"cellx",              A::cell_boundary},
    RtfWord{"cf",                 A::colour},
    RtfWord{"cgrid",              A::header},
    RtfWord{"colorschememapping", A::skip_group},
    RtfWord{"colortbl",           A::colour_table},
    RtfWord{"datastore",          A::skip_group},
    RtfWord{"deff",               A::default_font},
    RtfWord{"deflang",            A::page_start},
    RtfWord{"emdash",             A::character, u'\u2014'},
    RtfWord{"emspace",            A::character, u' '},
    RtfWord{"endash",             A::character, u'\u2013'},
    RtfWord{"enspace",            A::character, u' '},
    RtfWord{"f",                  A::font},
    RtfWord{"fcharset",           A::font_charset},
    RtfWord{"fldinst",            A::skip_group},
    RtfWord{"fldrslt",            A::field_result},
    RtfWord{"fmodern",            A::header},
    RtfWord{"fonttbl",            A::font_table},
    RtfWord{"fprq",               A::header},
    RtfWord{"froman",             A::header},
    RtfWord{"fs",                 A::font_size},
    RtfWord{"fswiss",             A::header},
    RtfWord{"generator",          A::skip_group},
    RtfWord{"green",              A::green},
    RtfWord{"i",                  A::italic},
    RtfWord{"info",               A::skip_group},
    RtfWord{"intbl",              A::in_table},
    RtfWord{"latentstyles",       A::skip_group},
    RtfWord{"ldblquote",          A::character, u'\u201C'},
    RtfWord{"line",               A::paragraph_break},
    RtfWord{"listoverridetable",  A::skip_group},
    RtfWord{"listtable",          A::skip_group},
    RtfWord{"lquote",             A::character, u'\u2018'},
    RtfWord{"mac",                A::code_page_mac},
    RtfWord{"nestcell",           A::character, u' '},
    RtfWord{"nestrow",            A::character, u' '},
    RtfWord{"nonshppict",         A::skip_group},
    RtfWord{"object",             A::skip_group},
    RtfWord{"page",               A::paragraph_break},
    RtfWord{"par",                A::paragraph_break},
    RtfWord{"pard",               A::paragraph_defaults},
    RtfWord{"pc",                 A::code_page_pc},
    RtfWord{"pca",                A::code_page_pca},
    RtfWord{"pict",               A::skip_group},
    RtfWord{"plain",              A::plain},
    RtfWord{"qc",                 A::align_centre},
    RtfWord{"ql",                 A::align_left},
    RtfWord{"qmspace",            A::character, u' '},
    RtfWord{"qr",                 A::align_right},
    RtfWord{"rdblquote",          A::character, u'\u201D'},
    RtfWord{"red",                A::red},
    RtfWord{"row",                A::row_end},
    RtfWord{"rquote",             A::character, u'\u2019'},
    RtfWord{"rsidtbl",            A::skip_group},
    RtfWord{"rtf",                A::header},
    RtfWord{"sect",               A::paragraph_break},
    RtfWord{"stylesheet",         A::skip_group},
    RtfWord{"tab",                A::character, u'\t'},
    RtfWord{"themedata",          A::skip_group},
    RtfWord{"trowd",              A::row_start},
    RtfWord{"u",                  A::unicode},
    RtfWord{"uc",                 A::unicode_skip},
    RtfWord{"ul",                 A::underline},
    RtfWord{"uld",                A::underline},
    RtfWord{"uldash",             A::underline},
    RtfWord{"uldb",               A::underline},
    RtfWord{"ulnone",             A::underline_off},
    RtfWord{"ulth",               A::underline},
    RtfWord{"ulw",                A::underline},
    RtfWord{"ulwave",             A::underline},
    RtfWord{"xmlnstbl",           A::skip_group},
};

constexpr bool sorted_by_name() {
    for (std::size_t i = 1; i < rtf_words.size(); ++i)
        if (!(rtf_words[i - 1].name < rtf_words[i].name)) return false;
    return true;
}
static_assert(sorted_by_name(), "the control words must stay sorted by name");

// RTF limits a control word to 32 letters; a longer one is no word of the table.
constexpr std::size_t longest_word = 32;

}  // namespace

RtfWord find_rtf_word(std::string_view name) {
    if (name.size() > longest_word) return {name, A::ignore};
    std::array<char, longest_word> lower{};
    for (std::size_t i = 0; i < name.size(); ++i)
        lower[i] = (name[i] >= 'A' && name[i] <= 'Z') ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
    const std::string_view key(lower.data(), name.size());
    const auto it = std::lower_bound(rtf_words.begin(), rtf_words.end(), key,
                                     [](const RtfWord& w, std::string_view k) { return w.name < k; });
    if (it != rtf_words.end() && it->name == key) return *it;
    // Words of the document's defaults (\deftab, \deflangfe, ...) belong to the header as well.
    if (key.starts_with("def")) return {name, A::header};
    return {name, A::ignore};
}

}  // namespace tamsel
