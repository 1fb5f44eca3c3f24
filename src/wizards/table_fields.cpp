#include "wizards/table_fields.h"

#include "settings/settings_store.h"
#include "wizards/wizard_settings.h"

#include <algorithm>

namespace tamsel {
namespace {

QString key_of(const char* stem, int index) { return QLatin1String(stem) + QString::number(index); }

QString read(const SettingsStore& store, const QString& key) {
    const WizardSetting* setting = find_wizard_setting(key);
    return store.settings_read(key, setting ? setting->default_value.toString() : QString());
}

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

qint64 whole_number(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    qint64 n = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        n = std::min(number_ceiling, n * 10 + (text[i].unicode() - u'0'));
    return negative ? -n : n;
}

TableFields load_table_fields(const SettingsStore& store) {
    TableFields f;
    f.filename = read(store, QStringLiteral("CSV_Filename"));
    for (int i = 0; i < 3; ++i) {
        f.styles[i] = read(store, key_of("CSV_CStyle", i));
        f.numeric_styles[i] = read(store, key_of("CSV_NStyle", i));
        f.table_format[i] = read(store, key_of("CSV_Table", i));
    }
    f.unit = whole_number(read(store, QStringLiteral("CSV_Unit"))) == 0 ? WidthUnit::Pixels : WidthUnit::Percent;
    f.width = read(store, QStringLiteral("CSV_Width"));
    f.set_width = whole_number(read(store, QStringLiteral("CSV_Table"))) != 0;
    f.center_top = whole_number(read(store, QStringLiteral("CSV_TopCenter"))) != 0;
    return f;
}

void save_table_fields(SettingsStore& store, const TableFields& f) {
    store.settings_write(QStringLiteral("CSV_Filename"), f.filename);
    for (int i = 0; i < 3; ++i) {
        store.settings_write(key_of("CSV_CStyle", i), f.styles[i]);
        store.settings_write(key_of("CSV_NStyle", i), f.numeric_styles[i]);
        store.settings_write(key_of("CSV_Table", i), f.table_format[i]);
    }
    store.settings_write(QStringLiteral("CSV_Unit"), QString::number(static_cast<int>(f.unit)));
    store.settings_write(QStringLiteral("CSV_Width"), f.width);
    store.settings_write(QStringLiteral("CSV_Table"), flag(f.set_width));
    store.settings_write(QStringLiteral("CSV_TopCenter"), flag(f.center_top));
}

}  // namespace tamsel
