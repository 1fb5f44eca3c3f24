#include "core/command_registry.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "platform/editor_buffer.h"
#include "print/print_form.h"

namespace tamsel {

void register_print_commands(CommandRegistry& handlers, EditorSession& session) {
    handlers.add(QStringLiteral("id_Print"), [&session] {
        const Document* doc = session.documents().active();
        auto* form = session.forms().find<PrintForm>();
        if (!doc || !form) return;
        form->print({session.editor().text(), doc->path});
    });
}

}  // namespace tamsel
