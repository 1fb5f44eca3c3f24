#pragma once
// The one owner of the system's shared state, handed by reference to whoever needs it.
#include "analyze/result_list.h"
#include "app/document_set.h"
#include "app/progress_model.h"
#include "app/recent_files.h"
#include "app/window_state.h"
#include "colour/colorize.h"
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
};

// Deletes untitled documents an earlier run left: "New File 01.*" to "New File 99.*" in folder.
// Returns how many files were removed.
int cleanup_untitled_files(const QString& folder);

// Deletes the analysis scratch files 1 to 4 where they exist.
void delete_analysis_scratch(const Paths& paths);

}  // namespace tamsel
