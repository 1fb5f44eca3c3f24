#include "core/journal.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QUuid>
#include <algorithm>
#include <array>

namespace tamsel {
namespace {

// An entry: magic, format version, then (version 1) path, encoding, line ends, time written, text; each text
// as a 64-bit byte count and UTF-8 bytes, numbers big-endian. A reader meets only the versions it knows.
constexpr quint32 entry_magic = 0x544A524E;  // "TJRN"
constexpr quint32 entry_version = 1;

const QString entry_suffix = QStringLiteral(".jnl");
const QString lock_suffix = QStringLiteral(".lock");

constexpr QFile::Permissions owner_only = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// The codes an entry stores, by position; independent of the order of the enums.
constexpr std::array<TextEncoding, 5> encoding_codes = {TextEncoding::Utf8, TextEncoding::Utf8Bom,
                                                        TextEncoding::Windows1252, TextEncoding::Utf16Le,
                                                        TextEncoding::Utf16Be};
constexpr std::array<LineEnds, 3> line_end_codes = {LineEnds::CrLf, LineEnds::Lf, LineEnds::Cr};

template <typename E, std::size_t N>
quint8 code_of(const std::array<E, N>& codes, E value) {
    return quint8(std::find(codes.begin(), codes.end(), value) - codes.begin());
}

QString entry_name(int key) { return QStringLiteral("%1").arg(key, 3, 10, QLatin1Char('0')) + entry_suffix; }

bool valid_key(int key) { return key >= 1 && key <= 255; }

void write_block(QDataStream& out, const QByteArray& bytes) {
    out << quint64(bytes.size());
    out.writeRawData(bytes.constData(), int(bytes.size()));
}

// A declared size is believed only as far as the file still has bytes, so a damaged count never allocates.
bool read_block(QDataStream& in, QFile& file, QByteArray* bytes) {
    quint64 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok || size > quint64(file.size() - file.pos())) return false;
    bytes->resize(qsizetype(size));
    return file.read(bytes->data(), qint64(size)) == qint64(size);
}

enum class ReadResult { Ok, Damaged, Newer };

ReadResult read_entry(const QString& path, JournalEntry* entry) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ReadResult::Damaged;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != entry_magic) return ReadResult::Damaged;
    if (version > entry_version) return ReadResult::Newer;  // a later program may still recover it
    if (version != entry_version) return ReadResult::Damaged;

    QByteArray doc_path;
    QByteArray text;
    quint8 encoding = 0;
    quint8 line_ends = 0;
    qint64 written = 0;
    if (!read_block(in, file, &doc_path)) return ReadResult::Damaged;
    in >> encoding >> line_ends >> written;
    if (in.status() != QDataStream::Ok || encoding >= encoding_codes.size() || line_ends >= line_end_codes.size())
        return ReadResult::Damaged;
    if (!read_block(in, file, &text) || !file.atEnd()) return ReadResult::Damaged;

    entry->path = QString::fromUtf8(doc_path);
    entry->encoding = encoding_codes[encoding];
    entry->line_ends = line_end_codes[line_ends];
    entry->written = QDateTime::fromMSecsSinceEpoch(written);
    entry->text = decode_utf8(text);
    return ReadResult::Ok;
}

// Long-held locks are judged by their process alone, never by their age.
std::unique_ptr<QLockFile> try_lock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace

Journal::Journal(QString folder) : folder_(QDir(folder).absolutePath()) {}

Journal::~Journal() = default;

QString Journal::session_folder() const { return id_.isEmpty() ? QString() : folder_ + QLatin1Char('/') + id_; }

bool Journal::start() {
    if (lock_) return true;
    QDir root(folder_);
    if (!root.mkpath(QStringLiteral("."))) return false;
    QFile::setPermissions(folder_, owner_only);
    const QString id = QUuid::createUuid().toString(QUuid::Id128);
    // The lock comes first: a session folder without a live lock is then always one whose run is gone.
    auto lock = try_lock(root.filePath(id + lock_suffix));
    if (!lock || !root.mkdir(id, owner_only)) return false;
    id_ = id;
    lock_ = std::move(lock);
    return true;
}

bool Journal::write(int key, const JournalEntry& entry) {
    if (!lock_ || !valid_key(key)) return false;
    QSaveFile file(session_folder() + QLatin1Char('/') + entry_name(key));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QDateTime written = entry.written.isValid() ? entry.written : QDateTime::currentDateTime();
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << entry_magic << entry_version;
    write_block(out, entry.path.toUtf8());
    out << code_of(encoding_codes, entry.encoding) << code_of(line_end_codes, entry.line_ends)
        << qint64(written.toMSecsSinceEpoch());
    write_block(out, entry.text.toUtf8());
    if (out.status() != QDataStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void Journal::remove(int key) {
    if (lock_ && valid_key(key)) QFile::remove(session_folder() + QLatin1Char('/') + entry_name(key));
}

void Journal::finish() {
    taken_.clear();  // what was not disposed of is offered again at the next start
    if (!lock_) return;
    QDir(session_folder()).removeRecursively();
    lock_.reset();  // only now: the folder must never outlive a live lock
    id_.clear();
}

QList<JournalEntry> Journal::orphaned() {
    QList<JournalEntry> found;
    QDir root(folder_);
    if (!root.exists()) return found;
    const QStringList sessions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString& id : sessions) {
        if (id == id_) continue;
        if (taken_.find(id) == taken_.end()) {
            auto lock = try_lock(root.filePath(id + lock_suffix));
            if (!lock) continue;  // its run is alive
            taken_.emplace(id, std::move(lock));
        }
        QDir session(root.filePath(id));
        const QStringList names = session.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        for (const QString& name : names) {
            const QString file = session.filePath(name);
            if (!name.endsWith(entry_suffix)) {
                // The temporary file of a write the crash interrupted.
                if (name.contains(entry_suffix + QLatin1Char('.'))) QFile::remove(file);
                continue;
            }
            JournalEntry entry;
            switch (read_entry(file, &entry)) {
            case ReadResult::Ok:
                entry.file = file;
                found.append(entry);
                break;
            case ReadResult::Damaged:
                QFile::remove(file);
                break;
            case ReadResult::Newer:
                break;
            }
        }
        release_if_empty(id);
    }
    // Locks of runs that died before making their folder or after removing it.
    for (const QString& name : root.entryList({QLatin1Char('*') + lock_suffix}, QDir::Files | QDir::Hidden)) {
        const QString id = name.chopped(lock_suffix.size());
        if (id == id_ || taken_.find(id) != taken_.end() || root.exists(id)) continue;
        if (auto lock = try_lock(root.filePath(name))) lock->unlock();
    }
    std::stable_sort(found.begin(), found.end(), [](const JournalEntry& a, const JournalEntry& b) {
        return a.written != b.written ? a.written < b.written : a.file < b.file;
    });
    return found;
}

void Journal::dispose(const JournalEntry& entry) {
    const QFileInfo info(entry.file);
    const QString id = info.dir().dirName();
    // Only entries of sessions this run took over: a live run's entries are never touched.
    if (taken_.find(id) == taken_.end() || info.absolutePath() != folder_ + QLatin1Char('/') + id) return;
    QFile::remove(info.absoluteFilePath());
    release_if_empty(id);
}

void Journal::release_if_empty(const QString& id) {
    const auto it = taken_.find(id);
    if (it == taken_.end()) return;
    QDir root(folder_);
    if (!QDir(root.filePath(id)).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return;
    if (!root.exists(id) || root.rmdir(id)) taken_.erase(it);
}

void JournalSchedule::changed(int key, qint64 now_ms) { due_[key] = now_ms + delay_; }

void JournalSchedule::cancel(int key) { due_.remove(key); }

QList<int> JournalSchedule::take_due(qint64 now_ms) {
    QList<int> keys;
    for (auto it = due_.begin(); it != due_.end();) {
        if (it.value() <= now_ms) {
            keys.append(it.key());
            it = due_.erase(it);
        } else {
            ++it;
        }
    }
    return keys;
}

qint64 JournalSchedule::next_due() const {
    if (due_.isEmpty()) return -1;
    return *std::min_element(due_.cbegin(), due_.cend());
}

}  // namespace tamsel
