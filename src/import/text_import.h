#pragma once
// A plain text file as a page: each line that holds more than spaces becomes a line of the page with its
// characters escaped and "<BR>" after it, under a style block that sets a fixed-width font, so that the
// text keeps its spacing. Blank lines write nothing.
#include "import/import_page.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace tamsel {

inline const QString text_import_caption = QStringLiteral("Importing Text File");

// The page of text (decoded already: see read_document), its lines ended by '\n'. The first progress
// slot moves line by line over text.size() units (ProgressSteps::maximum_for gives its maximum). Nothing
// when the user asked to stop.
std::optional<QString> text_import_page(QStringView text, const ImportProgress& progress = {});

}  // namespace tamsel
