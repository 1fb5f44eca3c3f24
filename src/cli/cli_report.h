#pragma once
#include <QStringList>

namespace tamsel::cli {

// tamsel report PATH [-o OUT]
int run_report(const QStringList& args);
extern const char* const report_help;

}  // namespace tamsel::cli
