// The readable database sources `tamsel db build` reads: one of the six replaced by the input (the first
// byte picks which), the others the shipped ones.
#include "tagdb/db_source.h"

#include "fuzz_support.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tamsel;

namespace {

const QStringList files = {"HTML_Tags.txt", "HTML_Attr.txt", "Stylesheet.txt", "Colors.txt", "Vocabulary.txt", "Config.txt"};

// Plain writes: a copy that syncs to disk would cost more than the reading tested.
void put(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static QTemporaryDir dir;
    static const QList<QByteArray> shipped = [] {
        QList<QByteArray> sources;
        for (const QString& f : files) {
            QFile in(QStringLiteral(TAMSEL_FUZZ_SOURCES "/") + f);
            sources.append(in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray());
            put(dir.filePath(f), sources.last());
        }
        return sources;
    }();
    const qsizetype which = data[0] % files.size();
    put(dir.filePath(files[which]), fuzz::bytes_of(data + 1, size - 1));
    QStringList problems;
    (void)read_sources(dir.path(), &problems);
    put(dir.filePath(files[which]), shipped[which]);
    return 0;
}
