#include "platform/paths.h"
#include "platform/whole_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstring>
#include <vector>

namespace tamsel {
namespace {

const QString seed_marker = QStringLiteral("seeded.txt");

QByteArray file_hash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&f);
    return hash.result().toHex();
}

// The marker remembers, per base name, the hash of the file a seeding copied.
QHash<QString, QByteArray> read_marker(const QString& path) {
    QHash<QString, QByteArray> seeded;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return seeded;
    while (!f.atEnd()) {
        const QList<QByteArray> parts = f.readLine().trimmed().split(' ');
        if (parts.size() == 2) seeded.insert(QString::fromUtf8(parts[0]), parts[1]);
    }
    return seeded;
}

bool write_marker(const QString& path, const QHash<QString, QByteArray>& seeded, QString* error) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        *error = f.errorString();
        return false;
    }
    for (const QString& base : database_base_names())
        if (seeded.contains(base)) f.write(base.toUtf8() + ' ' + seeded.value(base) + '\n');
    if (!f.commit()) {
        *error = f.errorString();
        return false;
    }
    return true;
}

// Whether the two files hold the same bytes; false when either cannot be read. They are compared a block
// at a time, so a start does not allocate and fault in two copies of the attribute table.
bool same_bytes(const QString& a, const QString& b) {
    QFile file_a(a), file_b(b);
    if (!file_a.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !file_b.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        file_a.size() != file_b.size())
        return false;
    constexpr qint64 block = 64 * 1024;
    std::vector<char> block_a(block), block_b(block);
    for (;;) {
        const qint64 read = file_a.read(block_a.data(), block);
        if (read < 0 || file_b.read(block_b.data(), block) != read) return false;
        if (read == 0) return true;
        if (std::memcmp(block_a.data(), block_b.data(), static_cast<std::size_t>(read)) != 0) return false;
    }
}

bool copy_over(const QString& from, const QString& to, QString* error) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = from + QStringLiteral(": ") + in.errorString();
        return false;
    }
    QString cause;
    if (write_whole_file(to, in.readAll(), &cause)) return true;
    *error = to + QStringLiteral(": ") + cause;
    return false;
}

}  // namespace

QString locate_program_data(const QString& app_dir) {
    const QString env = qEnvironmentVariable("TAMSEL_DATA_DIR");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    return QDir(app_dir + QStringLiteral("/../share/tamsel2001")).absolutePath();
}

QString locate_user_data() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool seed_user_data(const QString& program_data, const QString& user_data, QString* error) {
    if (!QDir().mkpath(user_data)) {
        *error = QStringLiteral("Cannot create the folder %1").arg(user_data);
        return false;
    }
    const QString marker = user_data + QLatin1Char('/') + seed_marker;
    QHash<QString, QByteArray> seeded = read_marker(marker);
    bool changed = false;
    for (const QString& base : database_base_names()) {
        const QString shipped = program_data + QLatin1Char('/') + base + QStringLiteral(".DB");
        const QString mine = user_data + QLatin1Char('/') + base + QStringLiteral(".DB");
        if (!QFile::exists(shipped)) continue;  // the loader reports the missing file
        const bool missing = !QFile::exists(mine);
        // A copy that holds the shipped bytes is never replaced, whatever the marker says; comparing the two
        // files is cheaper than hashing the shipped one, which every start would otherwise do.
        if (!missing && same_bytes(shipped, mine)) continue;
        const QByteArray shipped_hash = file_hash(shipped);
        // The user's copy is read only when a newer shipped file could replace it.
        const bool update = seeded.contains(base) && shipped_hash != seeded.value(base);
        if (!missing && !(update && file_hash(mine) == seeded.value(base))) continue;
        if (!copy_over(shipped, mine, error)) return false;
        seeded.insert(base, shipped_hash);
        changed = true;
    }
    return !changed || write_marker(marker, seeded, error);
}

PrivateTemp::PrivateTemp() : dir_(QDir::tempPath() + QStringLiteral("/tamsel2001-XXXXXX")) {}

}  // namespace tamsel
