#pragma once
// The application logic without the window: a session over temporary folders with the built database, the
// memory editor, scripted answers and a ShellView that only records what it was asked to show.
#include "analyze/error_list_form.h"
#include "app/documents.h"
#include "app/session.h"
#include "app/shell_view.h"
#include "app/workspace.h"
#include "colour/colorize.h"
#include "core/form_set.h"
#include "platform/clipboard.h"
#include "platform/memory_buffer.h"
#include "platform/memory_text_host.h"
#include "platform/scripted_dialogs.h"
#include "settings/settings_store.h"
#include "support/test_support.h"
#include "wizards/calendar_form.h"
#include "wizards/frame_wizard_form.h"
#include "wizards/new_document_form.h"

#include <QTemporaryDir>
#include <memory>

namespace tamsel::test {

// The colours the engine gives the whole of text, as a memory buffer holds them.
inline QList<ColourRun> coloured_runs(const QString& text, const ConfigTable& config) {
    MemoryBuffer buffer(text);
    ColouringState state;
    buffer.apply_colours(remove_colouring(text, colour_scheme(config)));
    buffer.apply_colours(colorize(text, 1, -1, colour_scheme(config), state).runs);
    return buffer.colour_runs();
}


class FakeShellView : public ShellView {
public:
    QStringList tabs;
    int selected_tab = -1;
    QString caption;
    QList<RecentMenuItem> recent;
    QList<QUrl> previews;  // every address the preview pane was asked to show
    int busy_depth = 0;
    bool input_enabled = true;
    Session* session = nullptr;
    int gutter_refreshes = 0;
    QStringList statuses;

    void add_tab(const QString& c, int, const QString&) override { tabs << c; }
    void remove_tab(int index) override { tabs.removeAt(index); }
    void select_tab(int index) override { selected_tab = index; }
    void set_tab(int index, const QString& c, int, const QString&) override { tabs[index] = c; }
    void set_caption(const QString& c) override { caption = c; }
    void set_recent_menu(const QList<RecentMenuItem>& items) override { recent = items; }
    void set_document_style(LineEnds, int) override {}
    void layout_view() override {}
    void refresh_view() override {}
    void refresh_gutter() override { ++gutter_refreshes; }
    void show_status(const QString& text) override { statuses << text; }
    void refresh_command_states() override {
        if (session && !session->workspace().window.tabs_updating) session->update_command_states();
    }
    void show_preview(const QUrl& address) override { previews << address; }
    void set_input_enabled(bool on) override { input_enabled = on; }
    void set_busy(bool on) override { busy_depth += on ? 1 : -1; }
    void let_events_run() override {}
    void show_about() override {}
};

// Temporary folders for the per-user data (with the built database), the private temporary files and the
// user's documents, and a workspace over them with scripted answers.
struct WorkspaceFixture {
    QTemporaryDir user;
    QTemporaryDir temp;
    QTemporaryDir docs;  // where the user's documents live
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    std::unique_ptr<Workspace> ws;

    // skip: a database file left out, as if it were missing
    explicit WorkspaceFixture(const QString& skip = {}) {
        for (const QString& base : database_base_names())
            if (base != skip)
                QFile::copy(data_dir() + QLatin1Char('/') + base + QStringLiteral(".DB"), user.filePath(base + QStringLiteral(".DB")));
        Paths p;
        p.user_data = user.path();
        p.temp = temp.path();
        p.start_folder = docs.path();
        ws = std::make_unique<Workspace>(p, dialogs, store);
    }

    void set(const char* key, const QString& value) { store.values.insert(QStringLiteral("config_") + QLatin1String(key), value); }

    // A document file with these bytes in the documents folder (folders on the way are made).
    QString doc(const QString& name, const QByteArray& bytes) {
        const QString path = docs.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        write_bytes(path, bytes);
        return path;
    }
};

struct SessionFixture : WorkspaceFixture {
    ScriptedErrorList error_list;
    ScriptedCalendarForm calendar_form;
    ScriptedFrameWizard frame_wizard;
    ScriptedNewDocument new_document;  // a blank HTML page unless told otherwise
    ScriptedTemplateForm template_form;
    MemoryClipboard clipboard;
    FormSet forms;
    FakeShellView view;
    std::unique_ptr<Session> session;

    SessionFixture() {
        forms.use<ErrorListForm>(error_list);
        forms.use<CalendarForm>(calendar_form);
        forms.use<FrameWizardForm>(frame_wizard);
        forms.use<NewDocumentForm>(new_document);
        forms.use<TemplateForm>(template_form);
    }

    // The session after the start-up the window would do: database, configuration, commands computed.
    Session& start() {
        ws->db.load_database(ws->paths.user_data);
        ws->config.load_config(store, ws->paths.user_data);
        return make_session();
    }
    Session& make_session() {
        session = std::make_unique<Session>(*ws, view, clipboard, forms);
        view.session = session.get();
        ws->window.tabs_updating = false;
        ws->window.highlight_on = ws->config.config_flag(highlight_mode);
        session->update_command_states();
        return *session;
    }

    Documents& files() { return session->files(); }
    MemoryBuffer& editor() { return static_cast<MemoryBuffer&>(ws->documents.editor()); }
    void dispatch(const QString& id) { session->dispatch_command(id); }
    QString active_path() const { return ws->documents.active() ? ws->documents.active()->path : QString(); }
    bool changed() const { return ws->documents.active() && ws->documents.active()->changed; }
    // Types text at the caret as the user would: the editor changes and the document is marked.
    void type(const QString& text) {
        editor().replace_selection(text);
        ws->mark_changed();
    }

};

}  // namespace tamsel::test
