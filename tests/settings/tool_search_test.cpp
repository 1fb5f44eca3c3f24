// The search for the browsers and the help compiler.
#include "settings/config_table.h"
#include "settings/tool_search.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

namespace {

QString make_program(const QString& dir, const QString& name, bool executable = true) {
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n");
    f.close();
    QFile::Permissions p = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable) p |= QFileDevice::ExeOwner;
    f.setPermissions(p);
    return path;
}

}  // namespace

class ToolSearchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void path_is_searched_before_the_drives() {
        QTemporaryDir root;
        const QString in_path = make_program(root.filePath(QStringLiteral("bin")), QStringLiteral("firefox"));
        make_program(root.filePath(QStringLiteral("disk/apps")), QStringLiteral("firefox"));
        const QString chromium = make_program(root.filePath(QStringLiteral("disk/apps")), QStringLiteral("chromium"));
        const QString compiler = make_program(root.filePath(QStringLiteral("disk/z/deep")), QStringLiteral("chmcmd"));
        ToolSearch s;
        s.find_tools({root.filePath(QStringLiteral("disk")) + QStringLiteral(" [data]")}, root.filePath(QStringLiteral("bin")));
        QCOMPARE(s.found[1], in_path);
        QCOMPARE(s.found[0], chromium);
        QCOMPARE(s.found[2], compiler);
    }

    void search_stops_once_all_three_are_found() {
        QTemporaryDir root;
        for (const char* name : {"chromium", "firefox", "hhc"}) make_program(root.filePath(QStringLiteral("a")), QLatin1String(name));
        make_program(root.filePath(QStringLiteral("b/c")), QStringLiteral("unrelated"));
        ToolSearch s;
        s.find_tools({root.filePath(QStringLiteral("a")) + QStringLiteral(" [one]"), root.filePath(QStringLiteral("b")) + QStringLiteral(" [two]")}, QString());
        QVERIFY(s.complete());
        QCOMPARE(s.folders_visited, 1);
    }

    void entries_without_a_label_and_plain_files_are_skipped() {
        QTemporaryDir root;
        make_program(root.filePath(QStringLiteral("x")), QStringLiteral("chromium"));
        make_program(root.filePath(QStringLiteral("y")), QStringLiteral("firefox"), false);
        ToolSearch s;
        s.find_tools({root.filePath(QStringLiteral("x")), root.filePath(QStringLiteral("y")) + QStringLiteral(" [y]")}, QString());
        QVERIFY(s.found[0].isEmpty());
        QVERIFY(s.found[1].isEmpty());
    }

    void unreadable_folders_are_passed_over() {
        QTemporaryDir root;
        make_program(root.filePath(QStringLiteral("locked")), QStringLiteral("chromium"));
        const QString hhc = make_program(root.filePath(QStringLiteral("open")), QStringLiteral("hhc"));
        QFile::setPermissions(root.filePath(QStringLiteral("locked")), QFileDevice::WriteOwner);
        ToolSearch s;
        s.find_tools({root.path() + QStringLiteral(" [root]")}, QString());
        QFile::setPermissions(root.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(s.found[2], hhc);
    }

    void results_stay_and_fill_the_configuration() {
        QTemporaryDir root;
        const QString chromium = make_program(root.filePath(QStringLiteral("a")), QStringLiteral("chromium"));
        ToolSearch s;
        s.find_tools({}, root.filePath(QStringLiteral("a")));
        const QString firefox = make_program(root.filePath(QStringLiteral("b")), QStringLiteral("firefox"));
        s.find_tools({}, root.filePath(QStringLiteral("b")));
        QCOMPARE(s.found[0], chromium);
        QCOMPARE(s.found[1], firefox);
        ConfigTable c;
        c.set_value(htmlhelp_path, chromium);  // set by hand, not found by the search: kept
        s.apply(c);
        QCOMPARE(c.value(ie_path), chromium);
        QCOMPARE(c.value(netscape_path), firefox);
        QCOMPARE(c.value(htmlhelp_path), chromium);
    }
};

TAMSEL_TEST(ToolSearchTest)
#include "tool_search_test.moc"
