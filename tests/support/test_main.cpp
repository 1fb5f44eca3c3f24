// Runs every registered test class; with a first argument naming a class, only that one.
#include "support/test_registry.h"

#include <QStandardPaths>
#include <QTest>

#ifdef TAMSEL_GUI_TEST
#include <QApplication>
using App = QApplication;
#else
#include <QCoreApplication>
using App = QCoreApplication;
#endif

int main(int argc, char* argv[]) {
    App app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("HOLLEMAR"));
    QCoreApplication::setApplicationName(QStringLiteral("Tamsel2001"));
    QStandardPaths::setTestModeEnabled(true);
    if (const QByteArray child = qgetenv("TAMSEL_TEST_CHILD"); !child.isEmpty()) {
        for (const auto& [name, run] : tamsel::test::child_routines())
            if (child == name) return run();
        return 3;
    }
    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args[1].startsWith(QLatin1Char('-'))) {
        for (const auto& r : tamsel::test::registrations())
            if (args[1] == QLatin1String(r.name)) only = args.takeAt(1);
    }
    int failed = 0;
    for (const auto& r : tamsel::test::registrations()) {
        if (!only.isEmpty() && only != QLatin1String(r.name)) continue;
        const std::unique_ptr<QObject> test = r.make();
        failed += QTest::qExec(test.get(), args) != 0 ? 1 : 0;
    }
    return failed == 0 ? 0 : 1;
}
