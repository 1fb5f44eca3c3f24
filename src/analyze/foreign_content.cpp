#include "analyze/foreign_content.h"

#include "core/markup_text.h"

#include <QSet>

namespace tamsel {
namespace {

// HTML elements that never stand inside a drawing or a formula: a browser ends the SVG or MathML in front
// of them, so a forgotten </svg> does not swallow the rest of the page.
bool ends_foreign_content(const QString& name) {
    static const QSet<QString> names = {
        "B",      "BIG",  "BLOCKQUOTE", "BODY", "BR",   "CENTER", "CODE",  "DD",    "DIV",    "DL",
        "DT",     "EM",   "EMBED",      "H1",   "H2",   "H3",     "H4",    "H5",    "H6",     "HEAD",
        "HR",     "HTML", "I",          "IMG",  "LI",   "LISTING", "MENU", "META",  "NOBR",   "OL",
        "P",      "PRE",  "RUBY",       "S",    "SMALL", "SPAN",  "STRONG", "STRIKE", "SUB",  "SUP",
        "TABLE",  "TT",   "U",          "UL",   "VAR"};
    return names.contains(name);
}

// SVG and MathML elements whose content is HTML (or plain text) once more.
bool holds_html(const QString& name, QStringView tag) {
    static const QSet<QString> names = {"FOREIGNOBJECT", "DESC", "TITLE", "MI", "MO", "MN", "MS", "MTEXT"};
    if (names.contains(name)) return true;
    return name == QLatin1String("ANNOTATION-XML") && contains_ci(tag, QLatin1StringView("HTML"));
}

bool opens_foreign_content(const QString& name) { return name == QLatin1String("SVG") || name == QLatin1String("MATH"); }

}  // namespace

void ForeignContent::clear() {
    open_.clear();
    open_count_.clear();
}

bool ForeignContent::is_html(const QString& name, bool closing, bool self_closed, QStringView tag,
                             bool html_open) {
    if (open_.isEmpty()) {  // the page is HTML here; only a drawing or a formula that begins changes that
        if (!closing && !self_closed && opens_foreign_content(name)) push(name, true, false);
        return true;
    }
    if (closing) {
        // An end tag closes the innermost open element of its name and everything opened inside it; the end
        // tag of an HTML element around the drawing closes the drawing too.
        if (open_count_.value(name) > 0) return pop_to(name);
        if (reads_html()) return true;
        if (!html_open && !ends_foreign_content(name)) return false;
        clear();
        return true;
    }
    if (reads_html()) {
        if (opens_foreign_content(name) && !self_closed) push(name, true, false);
        return true;
    }
    if (ends_foreign_content(name)) {
        clear();
        return true;
    }
    if (!self_closed) push(name, false, holds_html(name, tag));
    return false;
}

void ForeignContent::push(const QString& name, bool root, bool holds) {
    open_.append({name, root, holds});
    ++open_count_[name];
}

// Closes the innermost open element called name and those inside it; true when it was a root.
bool ForeignContent::pop_to(const QString& name) {
    while (!open_.isEmpty()) {
        const OpenElement last = open_.takeLast();
        --open_count_[last.name];
        if (last.name == name) return last.root;
    }
    return true;
}

}  // namespace tamsel
