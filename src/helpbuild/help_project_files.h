#pragma once
// The three files of a help project as text, lines ended by CR LF: the project (.hhp) naming the compiled
// file, the contents and index, the default topic and the files to hold; the contents (.hhc), pages grouped
// under their descriptions; the index (.hhk), each keyword with the pages that list it. Every value in the
// contents and index is escaped for an HTML attribute, so no title, keyword or file name can add markup.
#include "helpbuild/help_entries.h"

#include <QString>

namespace tamsel {

// The project file. default_topic is the index page as the project names it; it heads the "[Files]" list,
// followed by each linked file once and then each page of the contents and index not listed yet: the list
// names every file the help holds, so the compiler need not look for files in the pages and sitemaps.
QString help_project_text(const QList<HelpEntry>& entries, const QString& default_topic);

// The contents file; generator is the program's name for the GENERATOR meta tag.
QString help_contents_text(const QList<HelpEntry>& entries, const QString& generator);

// The index file: the keyword objects inside one list, the last one closed before the list ends.
QString help_index_text(const QList<HelpEntry>& entries, const QString& generator);

// A text as the value of a sitemap parameter: markup characters as references; for a name (not a file
// path) also control characters and characters beyond ASCII, so it reads the same whatever code page the
// help viewer assumes.
QString sitemap_value(QStringView text, bool is_path);

}  // namespace tamsel
