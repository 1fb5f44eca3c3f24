#pragma once
// Cleanup: turns the scanner's token stream of a page into the reformatted page. Tags stand on lines of
// their own where the tag database asks for breaks, nesting indents, tag names are upper-cased when
// "tag_case" says so, long lines are wrapped at "right_margin", and script and style blocks are laid out by
// their language. What the page means does not change: the content of PRE, TEXTAREA, LISTING, XMP and
// PLAINTEXT and the "<% %>" server blocks stand as the page has them, and apart from white space, letter
// case and the layout of the formatters the characters of the page come out in the same order.
#include "analyze/line_emitter.h"
#include "analyze/token_stream.h"

#include <QString>

#include <atomic>

namespace tamsel {

class ConfigTable;
class ProgressModel;
class TagDatabase;
class TokenPipe;

// The reformatted page, lines ended by line_end (line breaks the page keeps inside a PRE or a server
// block included). Reads "tag_case", "level_indent", "right_margin" and
// "script_break" from config, the layout flags from the tag database and the written forms of VBScript words
// from its Vocabulary. With progress, shows the work as "Cleanup", one step a token line.
QString format_page(const TokenStream& tokens, const TagDatabase& db, const ConfigTable& config,
                    ProgressModel* progress = nullptr, QStringView line_end = u"\r\n");
// The same for a page whose tokens come through pipe as another thread scans it: the layout is made as they
// come, and the tokens it is done with are let go. It goes to sink as it is made, in pieces of about
// piece_size characters that end where lines end. Once stop (when given) is set, it stops.
void format_piped_page(TokenPipe& pipe, const TagDatabase& db, const ConfigTable& config, QStringView line_end,
                       LineSink sink, const std::atomic<bool>* stop = nullptr, qsizetype piece_size = 1 << 16);

}  // namespace tamsel
