#pragma once
// The one owner of the system's shared state, handed by reference to whoever needs it.
#include "analyze/result_list.h"
#include "app/recent_files.h"
#include "app/window_state.h"
#include "colour/colorize.h"
#include "core/document_set.h"
#include "core/progress_model.h"
#include "platform/paths.h"
#include "settings/config_table.h"
#include "settings/tool_search.h"
#include "tagdb/tag_database.h"
#include "wizards/meta_reader.h"

namespace tamsel {

class DialogHost;
class SettingsStore;

class Workspace {
public:
    Workspace(Paths paths, DialogHost& dialogs, SettingsStore& store);
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Paths paths;
    DialogHost& dialogs;
    SettingsStore& store;

    TagDatabase db;
    ConfigTable config;
    RecentFiles recent;
    ToolSearch tools;
    WindowState window;
    CommandStates commands;
    DocumentSet documents;
    ProgressModel progress;
    ColouringState colouring;  // lives for the run: colouring does not reset it between runs

    // Filled by every analysis command: problems and records of the scanned pages, with their counters.
    ResultList results;
    // The page's META names and contents (help check, meta tag wizard).
    MetaSlots metas;

    // An edit of the active document: it has unsaved changes, and the preview has something new to show.
    void mark_changed();
};

// Deletes untitled documents an earlier run left: "New File 01.*" to "New File 99.*" in folder.
// Returns how many files were removed.
int cleanup_untitled_files(const QString& folder);

}  // namespace tamsel
