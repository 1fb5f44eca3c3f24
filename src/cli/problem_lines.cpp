#include "cli/problem_lines.h"

#include "analyze/message_text.h"

namespace tamsel::cli {

QString problem_line(const ResultEntry& e, const QString& shown_path) {
    QString place = shown_path;
    if (e.line != whole_file_line) place += QLatin1Char(':') + QString::number(e.line);
    return escaped_for_terminal(place) + (is_error_code(e.code) ? QStringLiteral(": error: ") : QStringLiteral(": warning: ")) +
           escaped_for_terminal(message_text(e.code, e.text1, e.text2)) + QStringLiteral(" [") + QString::number(e.code) + QLatin1Char(']');
}

QString escaped_for_terminal(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) {
            static constexpr char digits[] = "0123456789ABCDEF";
            out += QLatin1String("\\x");
            out += QLatin1Char(digits[u >> 4]);
            out += QLatin1Char(digits[u & 15]);
        } else if (u == 0xFFFD) out += QStringLiteral("\\uFFFD");
        else out += c;
    }
    return out;
}

QString problem_counts(int errors, int warnings) {
    return QStringLiteral("%1 %2, %3 %4")
        .arg(errors)
        .arg(errors == 1 ? QStringLiteral("error") : QStringLiteral("errors"))
        .arg(warnings)
        .arg(warnings == 1 ? QStringLiteral("warning") : QStringLiteral("warnings"));
}

}  // namespace tamsel::cli
