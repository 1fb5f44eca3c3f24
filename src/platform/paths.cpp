#include "platform/paths.h"
#include "platform/whole_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

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
        const QByteArray shipped_hash = file_hash(shipped);
        const bool missing = !QFile::exists(mine);
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
