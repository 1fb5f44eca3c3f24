#include "import/text_import.h"

namespace tamsel {

std::optional<QString> text_import_page(QStringView text, const ImportProgress& progress) {
    PageLines page;
    write_page_start(page, true);
    ProgressSteps steps(progress, text.size());
    QString line;
    for (qsizetype start = 0; start < text.size();) {
        // A line ends at CR LF, LF or CR.
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') ++end;
        const QStringView content = text.sliced(start, end - start);
        if (end < text.size()) end += (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
        start = end;
        if (has_visible_text(content)) {
            line.clear();
            append_import_text(content, line);
            line += QLatin1String("<BR>");
            page.line(line);
        }
        if (!steps.reached(start)) return std::nullopt;
    }
    write_page_end(page);
    return page.take();
}

}  // namespace tamsel
