#pragma once
// Opening compiled help files: the program's own help and the HTML and CSS references, shipped in the
// program's data folder, and a help file just built. They open with the desktop's handler for .chm files.
#include <QString>

namespace tamsel {

class DialogHost;

// The Debian package of the viewer the desktop opens .chm files with.
inline const QString help_viewer_package = QStringLiteral("xchm");

enum class ReferenceHelp { html, css };

// The program's own help (tamsel2001.chm) and the references (HTML.chm, CSS.chm) in program_data.
QString program_help_file(const QString& program_data);
QString reference_help_file(const QString& program_data, ReferenceHelp which);

// Whether some program of the desktop's applications says it shows .chm files.
bool desktop_has_chm_viewer();

// Opens the compiled help file at path. A missing file is told as "Helpfile :" + path + " NOT FOUND" under
// the title "ERROR" with a stop icon; a desktop with no program for .chm files is told which package to
// install (so is one whose desktop cannot open it). True when the file was handed to the desktop.
bool show_help_file(DialogHost& dialogs, const QString& path);

}  // namespace tamsel
