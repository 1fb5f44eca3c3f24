#pragma once
// What the benchmark programs share.
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

namespace tamsel::bench {

// The wall time of a program run from start to end, its output thrown away.
inline double run_seconds(const QString& program, const QStringList& args) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, args);
    p.waitForFinished(-1);
    return t.nsecsElapsed() / 1e9;
}

}  // namespace tamsel::bench
