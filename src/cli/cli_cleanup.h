#pragma once
// `tamsel cleanup`: a page checked and laid out as the editor's "Cleanup HTML Code" does it.
#include <QStringList>

namespace tamsel::cli {

int run_cleanup(const QStringList& args);

}  // namespace tamsel::cli
