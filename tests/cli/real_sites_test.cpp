// `tamsel check` on two public documentation sites Debian ships (make bench-deps installs them): pages
// written by others, with markup of today, must give no error. Warnings are allowed.
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace tamsel;

class RealSitesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void documentation_sites_give_no_error_data() {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("least_pages");  // fewer means the walk lost the site, and no error proves nothing
        QTest::newRow("python docs") << "python3.11-doc" << "/usr/share/doc/python3.11/html" << 400;
        QTest::newRow("apache manual, its languages through links") << "apache2-doc" << "/usr/share/doc/apache2-doc/manual" << 2000;
    }
    void documentation_sites_give_no_error() {
        QFETCH(QString, package);
        QFETCH(QString, folder);
        QFETCH(int, least_pages);
        if (!QDir(folder).exists())
            QSKIP(qPrintable(package + QStringLiteral(" is not installed (make bench-deps installs it)")));
        const test::CliRun run = test::run_cli({"check", "--data", test::data_dir(), folder});
        static const QRegularExpression summary(QStringLiteral("(\\d+) files?, (\\d+) errors?"));
        const QRegularExpressionMatch m = summary.match(run.err);
        QVERIFY2(m.hasMatch(), qPrintable(QStringLiteral("exit %1: %2").arg(run.exit_code).arg(run.err.left(2000))));
        QVERIFY2(m.captured(1).toInt() >= least_pages, qPrintable(m.captured(0)));

        QStringList errors;
        QMap<int, int> by_code;
        static const QRegularExpression code(QStringLiteral("\\[(\\d+)\\]$"));
        for (const QString& line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (!line.contains(QStringLiteral(": error: "))) continue;
            errors.append(line);
            ++by_code[code.match(line).captured(1).toInt()];
        }
        if (!errors.isEmpty()) {
            // The failure message is cut short; the lines go out on their own.
            for (const QString& line : errors.mid(0, 20)) qWarning().noquote() << line;
            QString counts;
            for (auto it = by_code.cbegin(); it != by_code.cend(); ++it) counts += QStringLiteral(" [%1] %2").arg(it.key()).arg(it.value());
            QFAIL(qPrintable(m.captured(0) + QStringLiteral("; by code:") + counts));
        }
        QCOMPARE(run.exit_code, 0);
    }
};

TAMSEL_TEST(RealSitesTest)
#include "real_sites_test.moc"
