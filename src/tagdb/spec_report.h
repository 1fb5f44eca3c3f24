#pragma once
// The HTML specification report: the whole tag database as one printable page, a table per tag with its
// closing-tag rule, description, attributes and events. Texts of the database are escaped for HTML
// ("Line break (<BR>)" shows as written), and characters beyond ASCII are written as character
// references, so the page reads the same in any browser whatever encoding it guesses.
#include <QString>
#include <QStringList>

namespace tamsel {

class TagDatabase;

// The page, lines ended by CR LF. for_help adds what a help build reads from a page's head, every tag's
// name as a keyword and "HTML Reference" as the description, and writes the markup the help check accepts.
QString spec_report(const TagDatabase& db, bool for_help = false);

// Writes the page to path, replacing it only when the whole page was written. False with error set when
// the file cannot be written.
bool write_spec_report(const TagDatabase& db, const QString& path, QString* error = nullptr, bool for_help = false);

// Writes a report page (folders on the way are made), replacing the file only when the whole page was
// written.
bool write_report_page(const QString& path, const QString& page, QString* error);

// The opening of a report page up to "<body>": the title, extra_head_lines, the report's style rules.
QStringList report_page_head(const QString& title, const QStringList& extra_head_lines = {});

// The head lines that name keywords and a description for a help build, their texts escaped.
QStringList help_meta_lines(const QStringList& keywords, const QString& description);

}  // namespace tamsel
