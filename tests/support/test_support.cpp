#include "support/test_support.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>

namespace tamsel::test {

QString source_dir() { return qEnvironmentVariable("TAMSEL_SOURCE_DIR"); }
QString data_dir() { return qEnvironmentVariable("TAMSEL_DATA_DIR"); }
QString fixture(const QString& relative) { return source_dir() + QStringLiteral("/tests/data/") + relative; }

QByteArray read_bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write_bytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool rewrite_later(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return write_bytes(path, bytes) && f.open(QIODevice::ReadWrite) &&
           f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
}

CliRun run_cli(const QStringList& args, const QString& dir, const QByteArray& input) {
    QProcess p;
    if (!dir.isEmpty()) p.setWorkingDirectory(dir);
    p.start(qEnvironmentVariable("TAMSEL_CLI"), args);
    p.write(input);
    p.closeWriteChannel();
    CliRun run;
    if (!p.waitForFinished(120000)) return run;
    run.exit_code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

}  // namespace tamsel::test
