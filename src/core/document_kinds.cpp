#include "core/document_kinds.h"

#include "platform/file_names.h"

namespace tamsel {
namespace {

struct TypeByEnding {
    QStringView ending;
    int type;
};

constexpr std::array<TypeByEnding, 6> types_by_ending = {{
    {u".CSS", doc_css},   {u".JS", doc_javascript}, {u".VBS", doc_vbscript},
    {u".HTM", doc_html},  {u".ASP", doc_html},      {u".HTML", doc_html},
}};

// A pattern in both letter cases, as the file systems here tell them apart: "*.HTM*" gives "*.HTM* *.htm*".
QString both_cases(QStringView pattern) {
    const QString upper = pattern.toString().toUpper();
    const QString lower = pattern.toString().toLower();
    return upper == lower ? upper : upper + QLatin1Char(' ') + lower;
}

QString qt_filter(QStringView description, const QString& patterns) {
    return description.toString() + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

// The Qt filters of one entry: entry 1 also offers ASP files, entry 9 names the index pages.
QStringList entry_filters(const FileFilter& f) {
    if (f.index == 9) return {qt_filter(f.description, QStringLiteral("index.htm index.html default.htm default.html"))};
    const QString pattern = QStringLiteral("*.%1%2").arg(f.extension, f.index == 1 ? QStringLiteral("*") : QString());
    QStringList filters{qt_filter(f.description, both_cases(pattern))};
    if (f.index == 1) filters << qt_filter(u"ASP Files", both_cases(u"*.ASP"));
    return filters;
}

}  // namespace

int document_type(const QString& path) {
    QString tail = path.toUpper().right(5);
    const qsizetype dot = tail.indexOf(QLatin1Char('.'), 1);
    if (dot >= 1) tail = tail.mid(dot);
    for (const TypeByEnding& t : types_by_ending)
        if (tail == t.ending) return t.type;
    return doc_text;
}

QString untitled_path(const QString& folder, int n, const QString& extension) {
    return folder + QStringLiteral("/New File %1.%2").arg(n, 2, 10, QLatin1Char('0')).arg(extension);
}

bool is_untitled(const QString& path) { return file_name_part(path).toUpper().startsWith(QLatin1String("NEW FILE ")); }

QString backup_path_of(const QString& path) {
    if (path.isEmpty()) return {};
    return path.left(path.size() - 1) + QLatin1Char('$');
}

QString template_path_of(const QString& folder, const QString& path) {
    const QString name = file_name_part(path).toUpper();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name + QLatin1Char('.') : name.left(dot + 1);
    return folder + QLatin1Char('/') + stem + QStringLiteral("tpl");
}

QString tab_caption_of(const QString& path) { return file_name_part(path).toUpper(); }

FileRequest file_request(FileDialogMode mode, int filter_index, const QString& path) {
    FileRequest request;
    request.mode = mode;
    if (filter_index == combined_filter) {
        for (const FileFilter& f : file_filters)
            if (f.index <= 5) request.filters << entry_filters(f);
        request.filters << QStringLiteral("All Files (*)");
    } else {
        for (const FileFilter& f : file_filters) {
            if (f.index != filter_index) continue;
            request.filters = entry_filters(f);
            request.default_suffix = f.extension.toString().toLower();
        }
    }
    if (mode == FileDialogMode::Save) request.file_name = path;
    return request;
}

}  // namespace tamsel
