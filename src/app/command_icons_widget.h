#pragma once
// Icons of the commands and of the documents' tabs: the desktop's icon theme first (freedesktop names),
// the program's own drawings when the theme has none, so that every desktop shows a full tool bar.
#include <QIcon>
#include <QStringView>

namespace tamsel {

// The icon of a command; a null icon for a command that has none.
QIcon command_icon(QStringView id);

// The icon of a document of the given type (an HTML page, a script, a stylesheet, plain text).
QIcon document_icon(int document_type);

}  // namespace tamsel
