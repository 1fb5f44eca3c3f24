#include "helpbuild/help_compiler.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tamsel {

QString find_help_compiler(const QString& configured) {
    if (!configured.isEmpty() && QFileInfo(configured).isFile()) return configured;
    return QStandardPaths::findExecutable(default_help_compiler);
}

QStringList compiler_arguments(const QString& compiler, const QString& project) {
    if (QFileInfo(compiler).fileName().startsWith(default_help_compiler)) return {QStringLiteral("--no-html-scan"), project};
    return {project};
}

CompilerRun run_compiler(const QString& program, const QStringList& arguments, const QString& folder) {
    CompilerRun run;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(folder);
    process.setStandardInputFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop, &process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart || process.state() == QProcess::NotRunning) loop.quit();
    });
    QObject::connect(&process, &QProcess::readyRead, &loop, [&run, &process] { run.output += process.readAll(); });
    process.start(program, arguments);
    if (process.state() != QProcess::NotRunning) loop.exec();
    run.output += process.readAll();
    if (process.error() == QProcess::FailedToStart) {
        run.start_error = process.errorString();
        return run;
    }
    run.started = true;
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exit_code = process.exitCode();
    return run;
}

QStringList log_error_lines(const QString& log) {
    static const QRegularExpression line_end(QStringLiteral("\r\n|\r|\n"));
    QStringList errors;
    for (const QString& line : log.split(line_end))
        if (line.contains(QLatin1String("ERROR:"), Qt::CaseInsensitive)) errors << line;
    return errors;
}

QString log_tail(const QString& log, int lines) {
    static const QRegularExpression line_end(QStringLiteral("\r\n|\r|\n"));
    QStringList all = log.trimmed().split(line_end);
    return all.mid(std::max<qsizetype>(0, all.size() - lines)).join(QStringLiteral("\r\n"));
}

}  // namespace tamsel
