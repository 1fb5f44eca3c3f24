#include "wizards/table_commands.h"

#include "core/command_registry.h"
#include "core/document_set.h"
#include "core/editor_session.h"
#include "core/form_set.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/text_codec.h"
#include "wizards/csv_reader.h"
#include "wizards/page_commands.h"
#include "wizards/table_generator.h"
#include "wizards/table_wizard_form.h"

namespace tamsel {

bool run_table_wizard(EditorSession& s, SettingsStore& store, TableMode mode) {
    TableWizardForm* form = s.forms().find<TableWizardForm>();
    if (!form || !s.documents().active()) return false;
    std::optional<DecodedText> data;
    const auto confirm = [&](const TableFields& fields) {
        if (mode == TableMode::Basic) return true;
        save_table_fields(store, fields);
        data = read_csv_file(fields.filename);
        if (!data) s.dialogs().message_box({csv_file_required, app_title, Buttons::Ok, Icon::None});
        return data.has_value();
    };
    const std::optional<TableFields> fields = form->show(mode, load_table_fields(store), confirm);
    if (!fields) return false;

    QString lines;
    if (mode == TableMode::Basic) {
        lines = basic_table(*fields);
    } else {
        s.begin_long_operation(csv_import_caption, csv_progress_maximum(data->text.size()));
        lines = csv_table(data->text, *fields, &s.progress());
        data.reset();
        s.end_long_operation();
    }
    PageEditor page = page_editor(s);
    close_table(page, lines);
    s.mark_changed();
    s.recolour();
    return true;
}

void register_table_commands(CommandRegistry& handlers, EditorSession& s, SettingsStore& store) {
    const auto wizard = [&s, &store](TableMode mode) {
        return [&s, &store, mode] {
            run_table_wizard(s, store, mode);
            s.refresh_command_states();
        };
    };
    handlers.add(QStringLiteral("id_Tools_Table_Basic"), wizard(TableMode::Basic));
    handlers.add(QStringLiteral("id_Tools_Table_CSV"), wizard(TableMode::Csv));
}

}  // namespace tamsel
