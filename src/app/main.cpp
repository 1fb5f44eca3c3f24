// tamsel2001: the desktop editor.
#include "app/master_window.h"
#include "app/workspace.h"
#include "platform/paths.h"
#include "platform/qt_dialog.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("HOLLEMAR"));
    QCoreApplication::setApplicationName(QStringLiteral("Tamsel2001"));

    tamsel::Paths paths;
    paths.start_folder = QDir::currentPath();
    paths.program_data = tamsel::locate_program_data(QCoreApplication::applicationDirPath());
    paths.user_data = tamsel::locate_user_data();
    tamsel::PrivateTemp temp;
    paths.temp = temp.path();
    QString error;
    if (!temp.ok() || !tamsel::seed_user_data(paths.program_data, paths.user_data, &error)) {
        QMessageBox::critical(nullptr, QStringLiteral("Tamsel2001"),
                              error.isEmpty() ? QStringLiteral("Cannot create a private temporary folder.") : error);
        return 2;
    }
    // Untitled documents of an earlier run live in the per-user folder, where the program made them.
    tamsel::cleanup_untitled_files(paths.user_data);

    tamsel::QtDialogs dialogs;
    tamsel::QtSettingsStore store;
    tamsel::Workspace ws(paths, dialogs, store);
    tamsel::MasterWindow window(ws);
    dialogs.set_parent(&window);
    window.load();
    window.show();
    return app.exec();
}
