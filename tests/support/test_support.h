#pragma once
// Helpers the test programs share: fixture paths, file bytes, running the command-line tool.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tamsel::test {

QString source_dir();  // the checkout
QString data_dir();    // the built .DB files
QString fixture(const QString& relative);  // tests/data/<relative>

QByteArray read_bytes(const QString& path);
bool write_bytes(const QString& path, const QByteArray& bytes);
// Writes as another program would while the file is open: its time moves on, so the change shows even
// within one tick of the clock.
bool rewrite_later(const QString& path, const QByteArray& bytes);

struct CliRun {
    int exit_code = -1;
    QString out;
    QString err;
};
// Runs the `tamsel` program with args, in working directory dir when given, input on its standard input.
CliRun run_cli(const QStringList& args, const QString& dir = {}, const QByteArray& input = {});

}  // namespace tamsel::test
