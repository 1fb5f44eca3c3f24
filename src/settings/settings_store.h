#pragma once
// The per-user settings store: text values by key, in the section of the program.
#include <QHash>
#include <QString>
#include <memory>

class QSettings;

namespace tamsel {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString settings_read(const QString& key, const QString& default_text) const = 0;
    virtual void settings_write(const QString& key, const QString& value) = 0;
};

// QSettings("HOLLEMAR", "Tamsel2001"), section "Tamsel2001", opened when a setting is first read or
// written: a command that reads none does not look for the settings file.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;
    QString settings_read(const QString& key, const QString& default_text) const override;
    void settings_write(const QString& key, const QString& value) override;

private:
    QSettings& settings() const;

    mutable std::unique_ptr<QSettings> settings_;
};

// A store in memory, for tests and for a command line that must not touch the user's settings.
class MemorySettingsStore : public SettingsStore {
public:
    QHash<QString, QString> values;
    QString settings_read(const QString& key, const QString& default_text) const override {
        return values.value(key, default_text);
    }
    void settings_write(const QString& key, const QString& value) override { values.insert(key, value); }
};

// Reads through overrides first (the command line's --set), writes to the store below.
class OverlaySettingsStore : public SettingsStore {
public:
    explicit OverlaySettingsStore(SettingsStore& below) : below_(below) {}
    QHash<QString, QString> overrides;
    QString settings_read(const QString& key, const QString& default_text) const override {
        const auto it = overrides.constFind(key);
        return it != overrides.constEnd() ? *it : below_.settings_read(key, default_text);
    }
    void settings_write(const QString& key, const QString& value) override { below_.settings_write(key, value); }

private:
    SettingsStore& below_;
};

}  // namespace tamsel
