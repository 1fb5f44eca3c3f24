// tamsel2001: the desktop editor. Files named on the command line open after start-up.
#include "app/master_window.h"
#include "app/preview_pane_widget.h"
#include "app/workspace.h"
#include "platform/app_info.h"
#include "platform/large_blocks.h"
#include "platform/paths.h"
#include "platform/qt_dialog.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr const char* usage =
    "usage: tamsel2001 [FILE...]\n"
    "Starts the Tamsel 2001 editor and opens the files named, or the start-up document of the settings.\n"
    "  --help      print this text and end\n"
    "  --version   print the version and end\n"
    "The checks and the cleanup of pages run without a window as `tamsel`; see `tamsel --help`.\n";

// --help and --version answer on the terminal before any window or display is needed; false when neither
// was asked for.
bool answered_on_terminal(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tamsel2001 %s\n", qPrintable(tamsel::version_text()));
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (answered_on_terminal(argc, argv)) return 0;
    tamsel::map_large_blocks_apart();
    // The browser engine of the preview shares the window's graphics context and learns the preview's
    // address scheme; both must be said before the application exists. Its sandbox cannot run as root, so only then is it switched off.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    tamsel::register_preview_scheme();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("HOLLEMAR"));
    QCoreApplication::setApplicationName(QStringLiteral("Tamsel2001"));
    // The desktop theme's icon when it has one (an install puts it there), else the one beside the data.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("tamsel2001"),
        QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor/scalable/apps/tamsel2001.svg"))));

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

    // Paths given relative to where the program started are made whole, as every path the program keeps.
    QStringList files;
    for (const QString& arg : app.arguments().mid(1))
        if (!arg.startsWith(QLatin1Char('-'))) files << QDir(paths.start_folder).absoluteFilePath(arg);

    tamsel::QtDialogs dialogs;
    tamsel::QtSettingsStore store;
    tamsel::Workspace ws(paths, dialogs, store);
    // Files named to open take the place of the document the start-up would make or reopen.
    tamsel::MasterOptions options;
    options.startup_documents = files.isEmpty();
    tamsel::MasterWindow window(ws, options);
    dialogs.set_parent(&window);
    window.load();
    window.show();
    window.open_paths(files);
    return app.exec();
}
