// The configuration table: defaults, the store's keys, path validation and the typed readers.
#include "settings/config_table.h"
#include "settings/settings_store.h"
#include "support/test_registry.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class ConfigTableTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fresh_user_gets_the_defaults() {
        MemorySettingsStore store;
        ConfigTable c;
        c.load_config(store, QStringLiteral("/opt/prog"));
        const QStringList expected = {"0", "1", "/opt/prog", "0", "", "0", "", "0", "10", "3", "1", "80", "3", "10",
                                      "3", "1", "0", "0", "1", "0", "16711935", "255", "16711680", "32512", "16776960", "0", "", "30"};
        for (int slot = 1; slot <= config_slot_count; ++slot) QCOMPARE(c.value(slot), expected[slot - 1]);
        QCOMPARE(c.key(tab_width), QStringLiteral("tab_width"));
        QCOMPARE(c.key(htmlhelp_path), QStringLiteral("htmlhelp_path"));
    }

    void stored_values_override_defaults_and_save_writes_a_prefixed_key_each() {
        MemorySettingsStore store;
        store.values.insert(QStringLiteral("config_tab_width"), QStringLiteral("5"));
        store.values.insert(QStringLiteral("tab_width"), QStringLiteral("9"));  // not a key of ours
        ConfigTable c;
        c.load_config(store, QString());
        QCOMPARE(c.config_int(tab_width), 5);
        MemorySettingsStore saved;
        c.save_config(saved);
        QCOMPARE(saved.values.size(), config_slot_count);
        for (const auto& d : config_defaults) QVERIFY(saved.values.contains(QStringLiteral("config_") + d.key.toString()));
        QCOMPARE(saved.values.value(QStringLiteral("config_tab_width")), QStringLiteral("5"));
    }

    void tool_paths_are_validated_data() {
        QTest::addColumn<QString>("use");
        QTest::addColumn<bool>("file_exists");
        QTest::addColumn<bool>("path_empty");
        QTest::addColumn<QString>("use_after");
        QTest::newRow("existing program stays on") << "1" << true << false << "1";
        QTest::newRow("deleted program turns off") << "1" << false << false << "0";
        QTest::newRow("empty path turns off") << "1" << false << true << "0";
        QTest::newRow("off stays off") << "0" << true << false << "0";
    }
    void tool_paths_are_validated() {
        QFETCH(QString, use);
        QFETCH(bool, file_exists);
        QFETCH(bool, path_empty);
        QFETCH(QString, use_after);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("chromium"));
        if (file_exists) {
            QFile f(program);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString path = path_empty ? QString() : program;
        MemorySettingsStore store;
        for (const char* k : {"config_use_ie", "config_use_netscape"}) store.values.insert(QLatin1String(k), use);
        for (const char* k : {"config_ie_path", "config_netscape_path", "config_htmlhelp_path"}) store.values.insert(QLatin1String(k), path);
        ConfigTable c;
        c.load_config(store, QString());
        QCOMPARE(c.value(use_ie), use_after);
        QCOMPARE(c.value(use_netscape), use_after);
        QCOMPARE(c.value(ie_path), file_exists ? path : QString());
        QCOMPARE(c.value(htmlhelp_path), file_exists ? path : QString());
    }

    void flags_compare_text_and_autotracker_compares_a_number_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<bool>("tracker");
        QTest::newRow("1") << "1" << true << true;
        QTest::newRow("1.0") << "1.0" << false << true;
        QTest::newRow(" 1") << " 1" << false << true;
        QTest::newRow("01") << "01" << false << true;
        QTest::newRow("true") << "true" << false << false;
        QTest::newRow("2") << "2" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }
    void flags_compare_text_and_autotracker_compares_a_number() {
        QFETCH(QString, value);
        QFETCH(bool, flag);
        QFETCH(bool, tracker);
        ConfigTable c;
        c.set_value(show_chars, value);
        c.set_value(autotracker, value);
        QCOMPARE(c.config_flag(show_chars), flag);
        QCOMPARE(c.autotracker_on(), tracker);
    }

    void numbers_read_their_leading_number_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("as_int");
        QTest::addColumn<qint64>("as_long");
        QTest::newRow("plain") << "80" << 80 << qint64(80);
        QTest::newRow("trailing text") << "12abc" << 12 << qint64(12);
        QTest::newRow("not a number") << "abc" << 0 << qint64(0);
        QTest::newRow("empty") << "" << 0 << qint64(0);
        QTest::newRow("half rounds to even down") << "2.5" << 2 << qint64(2);
        QTest::newRow("half rounds to even up") << "3.5" << 4 << qint64(4);
        QTest::newRow("negative") << "-7.6" << -8 << qint64(-8);
        QTest::newRow("exponent") << "1e3" << 1000 << qint64(1000);
        QTest::newRow("beyond 16 bits") << "16711935" << 32767 << qint64(16711935);
        QTest::newRow("below 16 bits") << "-40000" << -32768 << qint64(-40000);
        QTest::newRow("beyond 32 bits") << "99999999999" << 32767 << qint64(2147483647);
    }
    void numbers_read_their_leading_number() {
        QFETCH(QString, value);
        QFETCH(int, as_int);
        QFETCH(qint64, as_long);
        ConfigTable c;
        c.set_value(right_margin, value);
        QCOMPARE(int(c.config_int(right_margin)), as_int);
        QCOMPARE(qint64(c.config_long(right_margin)), as_long);
        QCOMPARE(c.config_text(right_margin), value);
    }

    void qt_store_uses_the_section_and_survives() {
        {
            QtSettingsStore store;
            store.settings_write(QStringLiteral("config_tab_width"), QStringLiteral("7"));
        }
        QtSettingsStore again;
        QCOMPARE(again.settings_read(QStringLiteral("config_tab_width"), QStringLiteral("3")), QStringLiteral("7"));
        QCOMPARE(again.settings_read(QStringLiteral("config_nothing"), QStringLiteral("d")), QStringLiteral("d"));
        QSettings raw(QStringLiteral("HOLLEMAR"), QStringLiteral("Tamsel2001"));
        QCOMPARE(raw.value(QStringLiteral("Tamsel2001/config_tab_width")).toString(), QStringLiteral("7"));
        raw.clear();
    }
};

TAMSEL_TEST(ConfigTableTest)
#include "config_table_test.moc"
