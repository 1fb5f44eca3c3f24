#pragma once
// The HTML specification report: the whole tag database as one printable page, a table per tag with its
// closing-tag rule, description, attributes and events. Texts of the database are escaped for HTML
// ("Line break (<BR>)" shows as written), and characters beyond ASCII are written as character
// references, so the page reads the same in any browser whatever encoding it guesses.
#include <QString>

namespace tamsel {

class TagDatabase;

// The page, lines ended by CR LF.
QString spec_report(const TagDatabase& db);

// Writes the page to path, replacing it only when the whole page was written. False with error set when
// the file cannot be written.
bool write_spec_report(const TagDatabase& db, const QString& path, QString* error = nullptr);

}  // namespace tamsel
