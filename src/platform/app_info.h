#pragma once
// The program's name and version as the system shows them.
#include <QString>

namespace tamsel {

inline const QString app_title = QStringLiteral("Tamsel2001");
// Title of the change prompt and of most program messages.
inline const QString app_long_title = QStringLiteral("Tamsel 2001 - Web Development Reriz");

constexpr int version_major = TAMSEL_VERSION_MAJOR;
constexpr int version_revision = TAMSEL_VERSION_MINOR;

// "1.00".
inline QString version_text() {
    return QStringLiteral("%1.%2").arg(version_major).arg(version_revision, 2, 10, QLatin1Char('0'));
}

// "Tamsel2001 (v1.00)": the caption from start-up until a document is active.
inline QString versioned_caption() { return QStringLiteral("%1 (v%2)").arg(app_title, version_text()); }

}  // namespace tamsel
