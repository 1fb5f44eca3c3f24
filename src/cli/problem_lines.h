#pragma once
// How `tamsel` prints problems: one a line, as a compiler does.
#include "analyze/result_list.h"

#include <QString>

namespace tamsel::cli {

// "PATH:LINE: error: MESSAGE [CODE]" (or "warning:"); a problem of the whole file has no ":LINE".
QString problem_line(const ResultEntry& e, const QString& shown_path);

// The text with what a terminal would act on or show wrongly written out: control characters (C0, DEL
// and C1) as \xNN, a character that stood for bytes that could not be read as \uFFFD.
QString escaped_for_terminal(QStringView text);

// "1 error, 2 warnings".
QString problem_counts(int errors, int warnings);

}  // namespace tamsel::cli
