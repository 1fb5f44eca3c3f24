#pragma once
// The property inspector on a double-clicked tag: the tag's text read against the tag database, shown in
// the inspector, and on "Update" replaced by the rebuilt tag (one undo step, selected). "Cancel", an end
// tag, blank text or a tag the database does not know leave the document exactly as it was.
#include <QtGlobal>

namespace tamsel {

class EditorSession;
class TagDatabase;

// start and length give the tag in the active document, from "<" to ">". True when it was replaced.
bool inspect_tag(EditorSession& session, const TagDatabase& db, qsizetype start, qsizetype length);

}  // namespace tamsel
