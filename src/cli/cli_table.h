#pragma once
// `tamsel table` and `tamsel csv`: the table wizard's two tables poured into a page as the editor's
// "Basic HTML Table" and "Import Comma Delimited File (CSV)" pour them.
#include <QStringList>

namespace tamsel::cli {

int run_table(const QStringList& args);
int run_csv(const QStringList& args);

}  // namespace tamsel::cli
