#pragma once
// `tamsel check`: the problems of pages and website folders, printed the way a compiler prints them.
#include <QStringList>

namespace tamsel::cli {

int run_check(const QStringList& args);

}  // namespace tamsel::cli
