// The files a site scan takes: pages by name, then scripts, each folder before its sub-folders.
#include "analyze/site_walk.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class SiteWalkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pages_are_told_by_their_last_suffix() {
        QTemporaryDir site;
        for (const char* name : {"a.htm", "B.HTML", "c.html.gz", "d.htm$", "e.htm.bak", "notes.txt", "sub/f.htm",
                                 "sub/g.js", "h.js.map", "i.vbs"}) {
            QDir(site.path()).mkpath(QFileInfo(site.filePath(QLatin1String(name))).path());
            test::write_bytes(site.filePath(QLatin1String(name)), "x");
        }
        QStringList found;
        for (const SiteFile& f : site_files(site.path()))
            found << QDir(site.path()).relativeFilePath(f.path) + (f.script_file ? QStringLiteral(" script") : QString()) +
                         (f.scanned ? QString() : QStringLiteral(" counted"));
        QCOMPARE(found, (QStringList{"B.HTML", "a.htm", "d.htm$ counted", "sub/f.htm", "sub/g.js script", "i.vbs script"}));
    }
};

TAMSEL_TEST(SiteWalkTest)
#include "site_walk_test.moc"
