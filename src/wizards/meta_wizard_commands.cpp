#include "wizards/meta_wizard_commands.h"

#include "core/command_registry.h"
#include "core/document.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "wizards/meta_wizard_form.h"
#include "wizards/page_commands.h"

namespace tamsel {
namespace {

// The character set a page that declares none is stored in.
QStringView stored_character_set(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252: return u"ISO-8859-1";
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: return u"UTF-16";
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: break;
    }
    return u"UTF-8";
}

}  // namespace

bool run_meta_wizard(EditorSession& session, const QString& generator) {
    const Document* doc = session.documents().active();
    MetaWizardForm* form = session.forms().find<MetaWizardForm>();
    if (!doc || !form) return false;
    PageEditor page = page_editor(session);
    qsizetype caret = page.editor.selection_start();
    const qsizetype before = page.editor.length();
    config_basic_html(page, caret);
    if (page.editor.length() != before) session.mark_changed();
    const HeadMetas head = read_head_metas(page.editor.text());
    const std::optional<MetaFields> fields = form->show(fields_of(head, stored_character_set(doc->encoding)));
    if (!fields || !write_head_metas(page, *fields, generator)) return false;
    session.mark_changed();
    session.recolour();
    return true;
}

void register_meta_wizard_command(CommandRegistry& handlers, EditorSession& session) {
    handlers.add(QStringLiteral("id_Tools_MetaTag"), [&session] {
        run_meta_wizard(session, QStringLiteral("tamsel2001"));
        session.refresh_command_states();
    });
}

}  // namespace tamsel
