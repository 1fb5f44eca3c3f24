#include "analyze/site_walk.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace tamsel {
namespace {

void walk(const QString& folder, const QStringList& patterns, bool script_file, QSet<QString>& seen,
          QList<SiteFile>& out) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || seen.contains(canonical)) return;
    seen.insert(canonical);
    const QDir dir(folder);
    const auto files = dir.entryInfoList(patterns, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& f : files)
        out.append({dir.filePath(f.fileName()), f.size(), script_file, !f.fileName().endsWith(QLatin1Char('$'))});
    const QStringList folders = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& sub : folders) walk(dir.filePath(sub), patterns, script_file, seen, out);
}

// "*.HTM*" also matches a compressed or otherwise wrapped page ("changelog.html.gz"), which is no page:
// what follows the last "." must itself begin with "htm".
bool is_page_name(const QString& path) {
    const QString suffix = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
    return suffix.startsWith(QLatin1String("htm"), Qt::CaseInsensitive);
}

}  // namespace

QList<SiteFile> walk_folder(const QString& folder, const QStringList& patterns, bool script_file) {
    QList<SiteFile> out;
    QSet<QString> seen;
    walk(folder, patterns, script_file, seen, out);
    return out;
}

QList<SiteFile> site_files(const QString& folder) {
    QList<SiteFile> out = walk_folder(folder, {QStringLiteral("*.HTM*")}, false);
    out.removeIf([](const SiteFile& f) { return !is_page_name(f.path); });
    out += walk_folder(folder, {QStringLiteral("*.JS")}, true);
    out += walk_folder(folder, {QStringLiteral("*.VBS")}, true);
    return out;
}

}  // namespace tamsel
