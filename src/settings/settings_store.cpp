#include "settings/settings_store.h"

#include <QSettings>

namespace tamsel {
namespace {
const QString section = QStringLiteral("Tamsel2001/");
}

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::settings() const {
    if (!settings_) settings_ = std::make_unique<QSettings>(QStringLiteral("HOLLEMAR"), QStringLiteral("Tamsel2001"));
    return *settings_;
}

QString QtSettingsStore::settings_read(const QString& key, const QString& default_text) const {
    return settings().value(section + key, default_text).toString();
}

void QtSettingsStore::settings_write(const QString& key, const QString& value) { settings().setValue(section + key, value); }

}  // namespace tamsel
