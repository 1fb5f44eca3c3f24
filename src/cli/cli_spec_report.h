#pragma once
#include <QStringList>

namespace tamsel::cli {

// tamsel spec-report [-o OUT]
int run_spec_report(const QStringList& args);
extern const char* const spec_report_help;

}  // namespace tamsel::cli
