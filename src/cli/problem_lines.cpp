#include "cli/problem_lines.h"

#include "analyze/message_text.h"

namespace tamsel::cli {

QString problem_line(const ResultEntry& e, const QString& shown_path) {
    QString place = shown_path;
    if (e.line != whole_file_line) place += QLatin1Char(':') + QString::number(e.line);
    return place + (is_error_code(e.code) ? QStringLiteral(": error: ") : QStringLiteral(": warning: ")) +
           message_text(e.code, e.text1, e.text2) + QStringLiteral(" [") + QString::number(e.code) + QLatin1Char(']');
}

QString problem_counts(int errors, int warnings) {
    return QStringLiteral("%1 %2, %3 %4")
        .arg(errors)
        .arg(errors == 1 ? QStringLiteral("error") : QStringLiteral("errors"))
        .arg(warnings)
        .arg(warnings == 1 ? QStringLiteral("warning") : QStringLiteral("warnings"));
}

}  // namespace tamsel::cli
