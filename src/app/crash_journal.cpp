#include "app/crash_journal.h"

#include "app/workspace.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/editor_buffer.h"

#include <QLocale>
#include <limits>

namespace tamsel {
namespace {

qint64 delay_ms(const ConfigTable& config) {
    const int seconds = config.config_int(journal_delay);
    return qint64(seconds > 0 ? seconds : 30) * 1000;
}

}  // namespace

CrashJournal::CrashJournal(Workspace& ws)
    : ws_(ws), journal_(ws.paths.journal()), schedule_(delay_ms(ws.config)) {}

void CrashJournal::start(Documents& documents) {
    schedule_ = JournalSchedule(delay_ms(ws_.config));
    journal_.start();
    for (const JournalEntry& entry : journal_.orphaned()) {
        const QString text =
            QStringLiteral("'%1' had unsaved changes when Tamsel2001 ended without closing it (last kept %2).\r\n"
                           "Recover the changes, or discard them?")
                .arg(entry.path, QLocale().toString(entry.written.toLocalTime(), QLocale::ShortFormat));
        const Answer answer = ws_.dialogs.message_box(
            {text, app_title, Buttons::YesNo, Icon::Question, {QStringLiteral("Recover"), QStringLiteral("Discard")}});
        if (answer == Answer::Yes) {
            DecodedText kept;
            kept.text = entry.text;
            kept.encoding = entry.encoding;
            kept.line_ends = entry.line_ends;
            if (!documents.open_unsaved(entry.path, kept)) continue;
            // This run keeps the text before the old entry goes.
            write_active();
            seen_edits_ = ws_.window.edits;
        }
        journal_.dispose(entry);
    }
}

void CrashJournal::note_edits(const Document& doc, qint64 now_ms) {
    if (ws_.window.edits != seen_edits_ && doc.changed) schedule_.changed(doc.number(), now_ms);
    seen_edits_ = ws_.window.edits;
}

void CrashJournal::tick(qint64 now_ms) {
    last_now_ = now_ms;
    const Document* doc = ws_.documents.active();
    if (!doc) return;
    note_edits(*doc, now_ms);
    if (schedule_.take_due(now_ms).contains(doc->number())) write_active();
}

void CrashJournal::leaving(Document& doc) {
    // The text is the editor's only until the switch: what waits to be journalled is written now.
    note_edits(doc, last_now_);
    if (schedule_.take_due(std::numeric_limits<qint64>::max()).contains(doc.number())) write_active();
}

void CrashJournal::write_active() {
    const Document* doc = ws_.documents.active();
    if (!doc || !journal_.active()) return;
    JournalEntry entry;
    entry.path = doc->path;
    entry.encoding = doc->encoding;
    entry.line_ends = doc->line_ends;
    entry.text = ws_.documents.editor().text();
    journal_.write(doc->number(), entry);
}

void CrashJournal::forget(const Document& doc) {
    schedule_.cancel(doc.number());
    journal_.remove(doc.number());
}

void CrashJournal::finish() { journal_.finish(); }

}  // namespace tamsel
