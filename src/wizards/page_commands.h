#pragma once
// The menu commands built on the page helpers: the page's default script language, a link to a script
// or a style sheet in the head, and a bulleted list from the selected lines.
#include "wizards/page_structure.h"

namespace tamsel {

class CommandRegistry;
class DialogHost;
class EditorSession;
class Document;

// Declares language ("JavaScript", "VBScript") as the page's default script language with a META tag in
// the head. When the tag is there already it is selected; when another language is declared the user is
// told so and the text stays as it was. True when the tag was inserted.
bool set_default_script_language(PageEditor& page, DialogHost& dialogs, const QString& language);

// The file kinds of a link, numbered as the file dialog's filters.
enum LinkKind : int { link_vbscript = 2, link_javascript = 3, link_stylesheet = 4 };

// The link tag of kind to file, with file as the page should name it; for a script, its end tag too.
QString link_tag(LinkKind kind, const QString& file);
// How a page at page_path names target: relative to the page's folder once the page has been saved, the
// full path while it is untitled; "/" separators; a double quote written as "&quot;".
QString link_target(const QString& page_path, const QString& target);

// Asks for a file of kind and links it in the head of the page at page_path. Nothing changes when the
// user cancels or the page links that file already (the user is told). True when the link was inserted.
bool add_link(PageEditor& page, DialogHost& dialogs, LinkKind kind, const QString& page_path);

// The selected lines as a bulleted list: each line trimmed, empty ones left out.
QString list_of_lines(const QString& selected, const QString& line_end);
void make_list(PageEditor& page);

void register_page_commands(CommandRegistry& handlers, EditorSession& session);

// The active document's editor with the document's line end.
PageEditor page_editor(EditorSession& session);

}  // namespace tamsel
