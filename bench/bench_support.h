#pragma once
// What the benchmark programs share.
#include "tagdb/tag_database.h"

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

// The built database bench/run names in $TAMSEL_DATA_DIR; db_fatal is set when it did not load.
inline TagDatabase shipped_database() {
    TagDatabase db;
    db.load_database(qEnvironmentVariable("TAMSEL_DATA_DIR"));
    return db;
}

}  // namespace tamsel::bench
