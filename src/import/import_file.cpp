#include "import/import_file.h"

#include "import/rtf_converter.h"
#include "import/text_import.h"
#include "platform/text_codec.h"

#include <QFile>
#include <QFileInfo>

namespace tamsel {

std::optional<ImportInput> import_input(ImportKind kind, QByteArray bytes, const QString& name, QString& error) {
    ImportInput input;
    input.kind = kind;
    if (kind == ImportKind::text) {
        input.text = decode_document(bytes).text;
        return input;
    }
    const qsizetype start = rtf_document_start(bytes);
    if (start < 0) {
        error = QStringLiteral("%1 is not an RTF document: it does not begin with {\\rtf").arg(name);
        return std::nullopt;
    }
    bytes.remove(0, start);
    input.rtf = std::move(bytes);
    return input;
}

std::optional<ImportInput> read_import_file(ImportKind kind, const QString& path, QString& error) {
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        error = QStringLiteral("Cannot read %1: it is a folder").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return import_input(kind, std::move(bytes), path, error);
}

QString import_caption(ImportKind kind) { return kind == ImportKind::text ? text_import_caption : rtf_import_caption; }

std::optional<QString> import_page(const ImportInput& input, const ImportProgress& progress) {
    return input.kind == ImportKind::text ? text_import_page(input.text, progress) : rtf_import_page(input.rtf, progress);
}

void pour_import_page(PageEditor& page, QStringView lines) {
    EditStep step(page.editor);
    OutputBuffer out(page);
    for (qsizetype start = 0; start < lines.size();) {
        qsizetype end = lines.indexOf(u'\n', start);
        if (end < 0) end = lines.size();
        // The last line pours what the buffer holds.
        bool last = end + 1 >= lines.size();
        out.append_output_line(lines.sliced(start, end - start).toString(), last);
        start = end + 1;
    }
    step.leave_caret_at(page.editor.selection_start());
}

}  // namespace tamsel
