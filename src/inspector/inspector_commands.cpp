#include "inspector/inspector_commands.h"

#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "inspector/property_form.h"
#include "platform/editor_buffer.h"
#include "tagdb/tag_database.h"
#include "wizards/colour_picker_form.h"

namespace tamsel {

bool inspect_tag(EditorSession& session, const TagDatabase& db, qsizetype start, qsizetype length) {
    PropertyForm* form = session.forms().find<PropertyForm>();
    if (!form || !session.documents().active() || length <= 0) return false;
    EditorBuffer& editor = session.editor();
    const QString tag = editor.text().mid(start, length);
    const QString text = normalised_tag_text(tag);
    const QString key = inspectable_tag_key(text, db);
    if (key.isEmpty()) return false;

    PropertyRequest request;
    request.key = key;
    request.attributes = db.attribute_records_of(key);
    const ParsedTag parsed = parse_tag(text, request.attributes);
    request.rows = property_rows(parsed, request.attributes);
    request.extra = parsed.extra;
    request.closes_itself = parsed.closes_itself;
    request.named_colours = db.colors();
    request.picker = session.forms().find<ColourPickerForm>();
    const std::optional<QString> rebuilt = form->show(request);
    if (!rebuilt || *rebuilt == tag) return false;
    editor.begin_undo_step();
    editor.set_selection(start, length);
    editor.replace_selection(*rebuilt);
    editor.end_undo_step();
    editor.set_selection(start, rebuilt->size());
    // The window colours the changed line again as it does after typing.
    session.mark_changed();
    return true;
}

}  // namespace tamsel
