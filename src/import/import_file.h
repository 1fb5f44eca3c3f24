#pragma once
// A text or RTF file imported into a page: the file read (a text file decoded, an RTF file checked to be
// one), turned into a page, and the page poured in at the caret as one undo step.
#include "import/import_page.h"
#include "wizards/page_structure.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tamsel {

// The kinds of import, numbered as the commands number them.
enum class ImportKind { text = 0, rtf = 1 };

// What an import reads: the text of a text file (UTF-8 with its byte-order mark dropped, or Windows-1252
// when it is not UTF-8), or the bytes of an RTF document from its "{\rtf" on.
struct ImportInput {
    ImportKind kind = ImportKind::text;
    QString text;
    QByteArray rtf;
    // The units the progress of the import counts in: characters of the text, bytes of the RTF.
    qint64 units() const { return kind == ImportKind::text ? text.size() : rtf.size(); }
};

// The input of kind in bytes; name is how messages call the file. Only a file that is no RTF document
// at all (no "{\rtf" at its start) is refused, with a message naming it in error.
std::optional<ImportInput> import_input(ImportKind kind, QByteArray bytes, const QString& name, QString& error);
// The same for the file at path; a file that cannot be read sets error to why.
std::optional<ImportInput> read_import_file(ImportKind kind, const QString& path, QString& error);

// The progress panel's caption for kind: "Importing Text File" or "Importing RTF File".
QString import_caption(ImportKind kind);

// The page of input, its lines ended by '\n'; nothing when the user asked to stop.
std::optional<QString> import_page(const ImportInput& input, const ImportProgress& progress = {});

// Pours lines (as import_page makes them) into the page at the caret, replacing the selection, through
// the output buffer in the page's line end; the whole change undoes as one step and the caret ends after
// the inserted text.
void pour_import_page(PageEditor& page, QStringView lines);

}  // namespace tamsel
