// The recent-file list and the start-up clean-up of untitled files.
#include "app/recent_files.h"
#include "app/window_state.h"
#include "app/workspace.h"
#include "settings/config_table.h"
#include "settings/settings_store.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QStringList entries(const RecentFiles& r) {
    QStringList list;
    for (int i = 0; i < RecentFiles::size; ++i) list << r.entry(i);
    return list;
}

}  // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newest_first_without_copies_and_only_eight() {
        QSet<QString> existing;
        RecentFiles r([&](const QString& p) { return existing.contains(p); });
        for (int i = 1; i <= 10; ++i) {
            existing.insert(QStringLiteral("/w/p%1.htm").arg(i));
            r.remember_recent(QStringLiteral("/w/p%1.htm").arg(i));
        }
        QCOMPARE(entries(r).first(), QStringLiteral("/w/p10.htm"));
        QCOMPARE(entries(r).last(), QStringLiteral("/w/p3.htm"));
        // The eighth entry drops out as the others move down, even though p5 leaves a gap.
        r.remember_recent(QStringLiteral("/w/p5.htm"));
        QCOMPARE(entries(r), QStringList({"/w/p5.htm", "/w/p10.htm", "/w/p9.htm", "/w/p8.htm", "/w/p7.htm", "/w/p6.htm", "/w/p4.htm", ""}));
        r.remember_recent(QStringLiteral("/w/p5.htm"));  // already first: nothing moves
        QCOMPARE(entries(r)[1], QStringLiteral("/w/p10.htm"));
    }

    void vanished_files_are_dropped_and_gaps_closed() {
        QSet<QString> existing = {"/a", "/b", "/c", "/d"};
        RecentFiles r([&](const QString& p) { return existing.contains(p); });
        for (const char* p : {"/d", "/c", "/b", "/a"}) r.remember_recent(QLatin1String(p));
        existing.remove(QStringLiteral("/b"));
        existing.remove(QStringLiteral("/d"));
        r.remember_recent(QStringLiteral("*"));
        QCOMPARE(entries(r), QStringList({"/a", "/c", "", "", "", "", "", ""}));
    }

    void empty_and_network_paths_are_ignored_and_case_is_kept() {
        RecentFiles r([](const QString&) { return true; });
        r.remember_recent(QString());
        r.remember_recent(QStringLiteral("\\\\server\\share\\x.htm"));
        QCOMPARE(entries(r)[0], QString());
        r.remember_recent(QStringLiteral("/w/Page.htm"));
        r.remember_recent(QStringLiteral("/w/page.htm"));
        QCOMPARE(entries(r).mid(0, 2), QStringList({"/w/page.htm", "/w/Page.htm"}));
    }

    void store_keys_and_menu_items() {
        MemorySettingsStore store;
        store.values.insert(QStringLiteral("File1"), QStringLiteral("/w/a.HTML"));
        store.values.insert(QStringLiteral("File2"), QStringLiteral("/gone.htm"));
        store.values.insert(QStringLiteral("File3"), QStringLiteral("/w/s.css"));
        store.values.insert(QStringLiteral("File4"), QStringLiteral("/w/x.js"));
        RecentFiles r([](const QString& p) { return p != QLatin1String("/gone.htm"); });
        r.load_recent(store);
        const QList<RecentMenuItem> items = r.menu_items();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0].id, QStringLiteral("id_RecentFile1"));
        QCOMPARE(items[1].caption, QStringLiteral("/w/s.css"));
        QCOMPARE(QList<int>({items[0].image, items[1].image, items[2].image}), QList<int>({1, 4, 5}));
        MemorySettingsStore saved;
        r.save_recent(saved);
        QCOMPARE(saved.values.value(QStringLiteral("File2")), QStringLiteral("/w/s.css"));
        QCOMPARE(saved.values.value(QStringLiteral("File8")), QString());
        QCOMPARE(saved.values.size(), 8);
    }

    void untitled_files_of_an_earlier_run_are_removed() {
        QTemporaryDir dir;
        const QStringList names = {"New File 01.HTM", "New File 07.txt", "New File 99.css", "New File 00.htm",
                                   "New File 100.htm", "New File 5.htm", "New File 12", "Other.htm"};
        for (const QString& n : names) {
            QFile f(dir.filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(cleanup_untitled_files(dir.path()), 3);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"New File 00.htm", "New File 100.htm", "New File 12", "New File 5.htm", "Other.htm"}));
    }

    void preview_tracking_check() {
        ConfigTable c;
        WindowState s;
        s.split_preview_on = true;
        c.set_value(autotracker, QStringLiteral("1.0"));
        QVERIFY(!tamsel::preview_tracking_check(s, c));  // nothing typed
        s.text_dirty = true;
        QVERIFY(tamsel::preview_tracking_check(s, c));
        QVERIFY(!s.text_dirty);
        s.text_dirty = true;
        s.split_preview_on = false;
        QVERIFY(!tamsel::preview_tracking_check(s, c));
        QVERIFY(!s.text_dirty);
    }

    void view_settings_reach_flags_and_commands() {
        ConfigTable c;
        c.set_value(show_line_number, QStringLiteral("0"));
        c.set_value(show_chars, QStringLiteral("1"));
        c.set_value(use_ie, QStringLiteral("1"));
        WindowState s;
        CommandStates commands;
        apply_view_settings(c, s, commands);
        QVERIFY(!s.view_flags.line_numbers);
        QVERIFY(s.view_flags.special_chars);
        QVERIFY(commands.visible(QStringLiteral("id_viewininternetexplorer")));
        QVERIFY(!commands.visible(QStringLiteral("ID_ViewinNetscape")));
    }
};

TAMSEL_TEST(RecentFilesTest)
#include "recent_files_test.moc"
