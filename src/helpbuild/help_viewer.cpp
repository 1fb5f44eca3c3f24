#include "helpbuild/help_viewer.h"

#include "platform/app_info.h"
#include "platform/dialog_host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>

namespace tamsel {
namespace {

constexpr std::array<QLatin1StringView, 2> chm_types = {QLatin1StringView("application/vnd.ms-htmlhelp"),
                                                       QLatin1StringView("application/x-chm")};

bool declares_chm(const QString& desktop_file) {
    QFile file(desktop_file);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        if (!line.startsWith(QLatin1String("MimeType="))) continue;
        for (const QLatin1StringView type : chm_types)
            if (line.contains(type)) return true;
    }
    return false;
}

}  // namespace

QString program_help_file(const QString& program_data) { return program_data + QStringLiteral("/tamsel2001.chm"); }

QString reference_help_file(const QString& program_data, ReferenceHelp which) {
    return program_data + (which == ReferenceHelp::html ? QStringLiteral("/HTML.chm") : QStringLiteral("/CSS.chm"));
}

bool desktop_has_chm_viewer() {
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        const QStringList entries = QDir(folder).entryList({QStringLiteral("*.desktop")}, QDir::Files);
        for (const QString& entry : entries)
            if (declares_chm(folder + QLatin1Char('/') + entry)) return true;
    }
    return false;
}

bool show_help_file(DialogHost& dialogs, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        dialogs.message_box({QStringLiteral("Helpfile :") + path + QStringLiteral(" NOT FOUND"), QStringLiteral("ERROR"),
                             Buttons::Ok, Icon::Critical});
        return false;
    }
    if (desktop_has_chm_viewer() && dialogs.open_with_default_handler(path)) return true;
    dialogs.message_box({QStringLiteral("No program to show compiled help files (.chm) is installed.\r\n"
                                        "Install the Debian package %1 to read %2.").arg(help_viewer_package, path),
                         app_title, Buttons::Ok, Icon::Exclamation});
    return false;
}

}  // namespace tamsel
