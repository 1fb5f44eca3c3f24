#pragma once
// `tamsel helpbuild`: a website folder checked in help mode and built into a help project, then compiled.
#include <QStringList>

namespace tamsel::cli {

int run_helpbuild(const QStringList& args);

}  // namespace tamsel::cli
