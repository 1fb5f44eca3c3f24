#pragma once
// A workspace over temporary folders with the built database, and a main window on it, offscreen and
// without the browser engine.
#include "app/master_window.h"
#include "session_fixture.h"

#include <memory>

namespace tamsel::test {

struct AppFixture : WorkspaceFixture {
    std::unique_ptr<MasterWindow> window;

    explicit AppFixture(bool all_files = true) : WorkspaceFixture(all_files ? QString() : QStringLiteral("HTML_Attr")) {}

    // The window after start-up; "startup_mode" 2 (nothing opened) unless the test set it.
    MasterWindow& start(int splash_ms = 0, bool startup_documents = true) {
        if (!store.values.contains(QStringLiteral("config_startup_mode"))) set("startup_mode", QStringLiteral("2"));
        window = std::make_unique<MasterWindow>(*ws, MasterOptions{splash_ms, false, startup_documents});
        window->load();
        window->show();
        return *window;
    }
};

}  // namespace tamsel::test
