#include "helpbuild/helpbuild_support.h"

#include "support/test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace tamsel::test {

QString help_site() { return fixture(QStringLiteral("help_site")); }
QString help_site_index() { return help_site() + QStringLiteral("/index.htm"); }

QString fake_compiler(const QString& folder, const QByteArray& output, int exit_code, bool writes_chm) {
    const QString path = folder + QStringLiteral("/fake-compiler");
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".out"));
    write_bytes(path + QStringLiteral(".out"), output);
    const QByteArray script = "#!/bin/sh\ncat '" + path.toUtf8() + ".out'\n" + (writes_chm ? "echo chm > HELPFILE.chm\n" : "") +
                              "exit " + QByteArray::number(exit_code) + "\n";
    write_bytes(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

bool matches_golden(const QString& actual_path, const QString& name) {
    const QString golden = source_dir() + QStringLiteral("/tests/golden/helpbuild/") + name;
    const QByteArray actual = read_bytes(actual_path);
    if (actual == read_bytes(golden)) return true;
    write_bytes(golden + QStringLiteral(".actual"), actual);
    return false;
}

QStringList extracted_files(const QString& chm, const QString& folder) {
    QProcess p;
    p.start(QStringLiteral("extract_chmLib"), {chm, folder});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QDir(folder).relativeFilePath(it.next());
        if (!name.startsWith(QLatin1Char('#')) && !name.startsWith(QLatin1Char('$')) && !name.startsWith(QLatin1String("_#_")))
            files << name;
    }
    files.sort();
    return files;
}

}  // namespace tamsel::test
