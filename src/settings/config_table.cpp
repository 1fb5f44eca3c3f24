#include "settings/config_table.h"

#include "settings/settings_store.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

namespace tamsel {
namespace {

const QString key_prefix = QStringLiteral("config_");

bool names_a_file(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

// Rounds half to even and clamps into the range of T.
template <typename T>
T nearest(double v) {
    const double r = std::nearbyint(v);  // the default rounding mode rounds half to even
    if (std::isnan(r)) return 0;
    if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

}  // namespace

double leading_number(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) ++i;
        return i - from;
    };
    qsizetype count = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        count += digits();
    }
    if (count == 0) return 0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
        if (digits() > 0) end = i;
    }
    bool ok = false;
    const double v = text.mid(start, end - start).toDouble(&ok);
    return ok ? v : 0;
}

ConfigTable::ConfigTable() {
    for (const ConfigDefault& d : config_defaults) values_[d.slot] = d.value.toString();
}

void ConfigTable::load_config(const SettingsStore& store, const QString& program_dir) {
    for (const ConfigDefault& d : config_defaults) values_[d.slot] = d.value.toString();
    values_[startup_path] = program_dir;
    for (const ConfigDefault& d : config_defaults)
        values_[d.slot] = store.settings_read(key_prefix + d.key.toString(), values_[d.slot]);
    validate_tool_paths();
}

void ConfigTable::save_config(SettingsStore& store) const {
    for (const ConfigDefault& d : config_defaults) store.settings_write(key_prefix + d.key.toString(), values_[d.slot]);
}

void ConfigTable::validate_tool_paths() {
    if (!names_a_file(values_[ie_path])) {
        values_[ie_path].clear();
        values_[use_ie] = QStringLiteral("0");
    }
    if (!names_a_file(values_[netscape_path])) {
        values_[netscape_path].clear();
        values_[use_netscape] = QStringLiteral("0");
    }
    if (!names_a_file(values_[htmlhelp_path])) values_[htmlhelp_path].clear();
}

std::int16_t ConfigTable::config_int(int slot) const { return nearest<std::int16_t>(leading_number(value(slot))); }

std::int32_t ConfigTable::config_long(int slot) const { return nearest<std::int32_t>(leading_number(value(slot))); }

QString ConfigTable::key(int slot) const {
    return (slot >= 1 && slot <= config_slot_count) ? config_defaults[slot - 1].key.toString() : QString();
}

QString ConfigTable::value(int slot) const {
    return (slot >= 1 && slot <= config_slot_count) ? values_[slot] : QString();
}

void ConfigTable::set_value(int slot, const QString& value) {
    if (slot >= 1 && slot <= config_slot_count) values_[slot] = value;
}

int ConfigTable::slot_of(const QString& key) {
    for (const ConfigDefault& d : config_defaults)
        if (d.key == key) return d.slot;
    return 0;
}

}  // namespace tamsel
