#pragma once
// Nothing typed is lost when the program ends without its shutdown: a changed document goes to the
// journal in the per-user folder a few seconds ("journal_delay") after its last change and leaves it when
// it is saved or closed; the next start offers each journalled document back (Recover / Discard), and a
// recovered one opens changed.
#include "app/documents.h"
#include "core/journal.h"

#include <QtGlobal>

namespace tamsel {

class Workspace;

class CrashJournal : public DocumentEvents {
public:
    explicit CrashJournal(Workspace& ws);

    // At start: offers what a run that ended without its shutdown left, then journals this run.
    void start(Documents& documents);
    // Picks up the edits since the last call and writes the documents that are due; now_ms is the time
    // on one steady clock (the window's timer calls it every second).
    void tick(qint64 now_ms);
    // The normal end, all documents closed: this run's journal goes.
    void finish();
    bool active() const { return journal_.active(); }

    void leaving(Document& doc) override;
    void saved(Document& doc) override { forget(doc); }
    void closing(Document& doc) override { forget(doc); }

private:
    void forget(const Document& doc);
    // Schedules doc when it was edited since the last look.
    void note_edits(const Document& doc, qint64 now_ms);
    // Writes the active document now.
    void write_active();

    Workspace& ws_;
    Journal journal_;
    JournalSchedule schedule_;
    quint64 seen_edits_ = 0;
    qint64 last_now_ = 0;
};

}  // namespace tamsel
