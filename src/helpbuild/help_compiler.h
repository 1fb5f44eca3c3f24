#pragma once
// The external help compiler: finding it, running it on a project with its output captured, and reading
// its errors from that output.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tamsel {

// The program the Debian package fp-utils installs, the compiler looked for when none is configured.
inline const QString default_help_compiler = QStringLiteral("chmcmd");
inline const QString help_compiler_package = QStringLiteral("fp-utils");

// The compiler to run: the configured program ("htmlhelp_path") when it names a file, else chmcmd found on
// PATH; empty when there is neither.
QString find_help_compiler(const QString& configured);

// The arguments for compiling project. chmcmd is told not to look through the pages for more files: the
// project names every file, and its look (3.2.2) takes each "#fragment" link into a page of a sub-folder
// for an undefined anchor, an error, and cannot read back a name the sitemaps had to escape.
QStringList compiler_arguments(const QString& compiler, const QString& project);

struct CompilerRun {
    bool started = false;
    QString start_error;  // why it did not start
    bool crashed = false;
    int exit_code = 0;
    QByteArray output;    // standard output and standard error as the program wrote them, interleaved

    bool succeeded() const { return started && !crashed && exit_code == 0; }
};

// Runs program with arguments (no shell) in folder and waits for it to end. The wait runs an event loop,
// so a window stays responsive meanwhile.
CompilerRun run_compiler(const QString& program, const QStringList& arguments, const QString& folder);

// The lines of a compiler log that hold "ERROR:" in any letter case; warnings and notes are not errors.
QStringList log_error_lines(const QString& log);

// The last few lines of a log, for a message about a compiler that failed without saying "error:".
QString log_tail(const QString& log, int lines = 6);

}  // namespace tamsel
