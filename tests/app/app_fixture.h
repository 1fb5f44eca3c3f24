#pragma once
// A workspace over temporary folders with the built database, and a main window on it, offscreen and
// without the browser engine.
#include "app/master_window.h"
#include "session_fixture.h"
#include "app/workspace.h"
#include "colour/colorize.h"
#include "platform/memory_buffer.h"
#include "platform/scripted_dialogs.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace tamsel::test {

struct AppFixture {
    QTemporaryDir user;
    QTemporaryDir temp;
    QTemporaryDir docs;  // where the user's documents live
    ScriptedDialogs dialogs;
    MemorySettingsStore store;
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<MasterWindow> window;

    explicit AppFixture(bool all_files = true) {
        for (const QString& base : database_base_names()) {
            if (!all_files && base == QLatin1String("HTML_Attr")) continue;
            QFile::copy(data_dir() + QLatin1Char('/') + base + QStringLiteral(".DB"), user.filePath(base + QStringLiteral(".DB")));
        }
        Paths p;
        p.user_data = user.path();
        p.temp = temp.path();
        p.start_folder = docs.path();
        ws = std::make_unique<Workspace>(p, dialogs, store);
    }

    void set(const char* key, const QString& value) { store.values.insert(QStringLiteral("config_") + QLatin1String(key), value); }

    // The window after start-up; "startup_mode" 2 (nothing opened) unless the test set it.
    MasterWindow& start(int splash_ms = 0, bool startup_documents = true) {
        if (!store.values.contains(QStringLiteral("config_startup_mode"))) set("startup_mode", QStringLiteral("2"));
        window = std::make_unique<MasterWindow>(*ws, MasterOptions{splash_ms, false, startup_documents});
        window->load();
        window->show();
        return *window;
    }

    // A document file with these bytes in the documents folder.
    QString doc(const QString& name, const QByteArray& bytes) {
        const QString path = docs.filePath(name);
        write_bytes(path, bytes);
        return path;
    }
};

}  // namespace tamsel::test
