#pragma once
// `tamsel import text|rtf FILE`: a text or RTF file as a page, as "Import TEXT File" and "Import RTF
// File" insert it into an empty new document.
#include <QStringList>

namespace tamsel::cli {

int run_import(const QStringList& args);

}  // namespace tamsel::cli
