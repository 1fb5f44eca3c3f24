#pragma once
// Consistency checks of database tables: what `tamsel db check` lists.
#include "tagdb/db_source.h"

#include <QStringList>

namespace tamsel {

// One line per problem, naming the table and record number: "HTML_Tags 12 (TD): ...".
QStringList check_tables(const SourceTables& tables);

}  // namespace tamsel
