// The templates "HTML from Template" lists: shipped and the user's, by name, the user's winning.
#include "support/test_registry.h"
#include "support/test_support.h"
#include "wizards/new_document.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;

class TemplatesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void templates_are_listed_by_name_data() {
        QTest::addColumn<QStringList>("shipped");
        QTest::addColumn<QStringList>("user");
        QTest::addColumn<QStringList>("listed");  // name, then the folder it comes from
        QTest::newRow("none") << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("PAGE.tpl is listed as PAGE") << QStringList{} << QStringList{"PAGE.tpl"} << QStringList{"PAGE user"};
        QTest::newRow("sorted by name in any letter case")
            << QStringList{"b.tpl", "A.tpl"} << QStringList{"c.TPL"} << QStringList{"A shipped", "b shipped", "c user"};
        QTest::newRow("the user's wins on a clash")
            << QStringList{"HTML5 Page.tpl", "Plain.tpl"} << QStringList{"HTML5 Page.tpl"}
            << QStringList{"HTML5 Page user", "Plain shipped"};
        QTest::newRow("other files are no templates")
            << QStringList{"notes.txt", ".tpl", "x.tpl.bak"} << QStringList{"page.htm"} << QStringList{};
    }
    void templates_are_listed_by_name() {
        QFETCH(QStringList, shipped);
        QFETCH(QStringList, user);
        QFETCH(QStringList, listed);
        QTemporaryDir root;
        const QString folders[] = {root.filePath(QStringLiteral("shipped")), root.filePath(QStringLiteral("user"))};
        for (int i = 0; i < 2; ++i) {
            QDir().mkpath(folders[i]);
            for (const QString& name : i == 0 ? shipped : user) test::write_bytes(folders[i] + '/' + name, "x");
        }
        QStringList actual;
        for (const TemplateEntry& e : list_templates({folders[0], folders[1]}))
            actual << e.name + ' ' + QFileInfo(e.path).dir().dirName();
        QCOMPARE(actual, listed);
    }

    void missing_folders_list_nothing() {
        QCOMPARE(list_templates({QString(), QStringLiteral("/nonexistent/templates")}).size(), 0);
    }

    void the_shipped_templates_are_there() {
        QStringList names;
        for (const TemplateEntry& e : list_templates({test::data_dir() + QStringLiteral("/templates")})) names << e.name;
        QCOMPARE(names, (QStringList{"HTML 4.01 Page", "HTML5 Page", "Page with Style Sheet and Script"}));
    }
};

TAMSEL_TEST(TemplatesTest)
#include "templates_test.moc"
