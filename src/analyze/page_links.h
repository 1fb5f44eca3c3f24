#pragma once
// Links of a page: the first link a line holds, and where it leads from the file that holds it.
#include <QString>
#include <QStringView>

namespace tamsel {

struct LineLink {
    QString link;               // the first SRC=, HREF= or .open( target of the line, as written; empty for none
    bool named_target = false;  // the line has a TARGET= that names a frame (not "_blank", "_top" ...)
};

// Reads the first link of one raw line. Keywords are found without regard to letter case; a line needs
// " HREF", " SRC" or ".OPEN(" to hold a link. Same-page links ("#x") and links with stray quotes give none.
LineLink find_line_link(QStringView line);

// Whether link starts with a scheme ("http:", "mailto:", "javascript:").
bool has_scheme(QStringView link);
// Whether link leads off the site: it has a scheme or names a host ("//cdn.example.com/x.js").
bool leads_off_site(QStringView link);

// The file a link target names: without its "#fragment" or "?query"; a local one with "%20" read as a
// blank and "sub/../" climbed.
QString linked_file(const QString& target);

// The full path a link of the file base leads to; a link that leads off the site is taken as it is. "\" in a link reads as "/"; "../" climbs the base's
// folders (a link that climbs above the top comes back unchanged); a link with ":" and "/" is already
// complete (a web address); anything else is taken from the base's folder. Letter case is kept.
QString resolve_link(const QString& base, const QString& link);

}  // namespace tamsel
