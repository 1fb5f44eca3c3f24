#include "settings/settings_store.h"

#include <QSettings>

namespace tamsel {
namespace {
const QString section = QStringLiteral("Tamsel2001/");
}

QtSettingsStore::QtSettingsStore() : settings_(std::make_unique<QSettings>(QStringLiteral("HOLLEMAR"), QStringLiteral("Tamsel2001"))) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::settings_read(const QString& key, const QString& default_text) const {
    return settings_->value(section + key, default_text).toString();
}

void QtSettingsStore::settings_write(const QString& key, const QString& value) { settings_->setValue(section + key, value); }

}  // namespace tamsel
