#pragma once
// The crash journal: a copy of each changed document's text, kept on disk until the document is saved or
// closed, so that a run that ends without its shutdown (killed, crashed) loses no work.
//
// Layout of the journal folder (mode 0700):
//   <id>.lock    the lock of a run, held for the whole run (QLockFile, judged by its process id)
//   <id>/NNN.jnl the entry of document NNN of that run
// The lock is taken before its folder is made and dropped after the folder is removed, so a session folder
// whose lock can be taken belongs to a run that is gone. Two copies of the editor share the folder: each
// keeps to its own session and only takes over sessions whose owner has died.
#include "platform/text_codec.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <map>
#include <memory>

class QLockFile;

namespace tamsel {

struct JournalEntry {
    QString path;  // the document's full path, an untitled one's too
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnds line_ends = LineEnds::CrLf;
    QString text;
    QDateTime written;  // when the text was journalled; write() stamps the current time when it is not valid
    QString file;       // where an entry handed out by orphaned() lies; dispose() deletes it
};

class Journal {
public:
    explicit Journal(QString folder);
    // Entries are kept: a run that never reaches finish() leaves its documents for the next start.
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Makes this run's session and holds its lock. False when that fails; journalling is then off.
    bool start();
    bool active() const { return lock_ != nullptr; }

    // Journals document key (1..255), replacing its earlier entry; the old entry stays whole if this fails.
    bool write(int key, const JournalEntry& entry);
    // The document was saved, closed or is unchanged again.
    void remove(int key);
    // The normal shutdown: this run's entries go, and every lock it holds is released.
    void finish();

    // The entries left by runs that are gone, oldest first. Their sessions are taken over and stay this run's
    // until disposed of or until this run ends, so no other copy offers them too. Unreadable entries are
    // deleted; entries of a newer format are left alone.
    QList<JournalEntry> orphaned();
    // Deletes an entry orphaned() handed out, once it was recovered or discarded.
    void dispose(const JournalEntry& entry);

    QString session_folder() const;

private:
    void release_if_empty(const QString& id);

    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
    std::map<QString, std::unique_ptr<QLockFile>> taken_;  // sessions taken over by orphaned(), by id
};

// When a changed document is due for the journal: `delay_ms` after its last change. Times are milliseconds
// of one monotonic clock (QElapsedTimer, QDeadlineTimer), passed in so the rule needs no timer.
class JournalSchedule {
public:
    explicit JournalSchedule(qint64 delay_ms = 3000) : delay_(delay_ms) {}

    // The document's text changed: it is due `delay` from now, whatever was pending.
    void changed(int key, qint64 now_ms);
    // Saved, closed or unchanged again: nothing is due for it.
    void cancel(int key);
    // The documents due by now, in key order; each is handed out once, until its next change.
    QList<int> take_due(qint64 now_ms);
    // When the next document falls due, or -1 when none waits; for the window's single-shot timer.
    qint64 next_due() const;

private:
    qint64 delay_;
    QMap<int, qint64> due_;  // key -> time it falls due
};

}  // namespace tamsel
