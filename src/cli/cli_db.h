#pragma once
#include <QStringList>

namespace tamsel::cli {

// tamsel db build SRC OUT | dump DIR OUT | check DIR
int run_db(const QStringList& args);
extern const char* const db_help;

}  // namespace tamsel::cli
