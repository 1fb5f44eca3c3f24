#pragma once
// `tamsel calendar`: a month calendar inserted into a page as the "Calendar Wizard" inserts it.
#include <QStringList>

namespace tamsel::cli {

int run_calendar(const QStringList& args);

}  // namespace tamsel::cli
