#pragma once
#include <QStringList>

namespace tamsel::cli {

// tamsel functions FILE...
int run_functions(const QStringList& args);
extern const char* const functions_help;

}  // namespace tamsel::cli
