// Pictures of the window: the desktop's icon theme where it has the name, the program's own drawing where
// it has not, on every tool-bar button and on each document's tab by the document's type.
#include "app/command_icons_widget.h"
#include "app/documents.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "core/document_kinds.h"
#include "support/test_registry.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace tamsel;
using test::AppFixture;

namespace {

QImage picture(const QIcon& icon) { return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32); }

// Whether something is drawn: a picture that failed to load is empty or all transparent.
bool drawn(const QIcon& icon) {
    const QImage image = picture(icon);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

// A theme with nothing in it: every picture must come from the program's own drawings.
class NoTheme {
public:
    NoTheme() : name_(QIcon::themeName()) { QIcon::setThemeName(QStringLiteral("tamsel-test-no-theme")); }
    ~NoTheme() { QIcon::setThemeName(name_); }

private:
    QString name_;
};

}  // namespace

class CommandIconsWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_button_and_tab_is_drawn_without_a_theme() {
        NoTheme none;
        AppFixture f;
        MasterWindow& w = f.start();
        for (QAction* act : w.findChild<QToolBar*>()->actions())
            if (!act->isSeparator()) QVERIFY2(drawn(act->icon()), qPrintable(act->objectName()));
        const QStringList names = {QStringLiteral("a.htm"), QStringLiteral("b.vbs"), QStringLiteral("c.js"),
                                   QStringLiteral("d.css"), QStringLiteral("e.txt")};
        for (const QString& name : names) QVERIFY(w.documents().open_document(f.doc(name, "x"), false));
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("project_strip"));
        QList<QImage> seen;
        for (int i = 0; i < tabs->count(); ++i) {
            QVERIFY2(drawn(tabs->tabIcon(i)), qPrintable(names[i]));
            QVERIFY2(!seen.contains(picture(tabs->tabIcon(i))), "each type has a picture of its own");
            seen << picture(tabs->tabIcon(i));
        }
    }

    void the_desktop_theme_comes_first() {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("tamsel-test-theme/16x16/actions"));
        QVERIFY(QDir().mkpath(folder));
        test::write_bytes(home.filePath(QStringLiteral("tamsel-test-theme/index.theme")),
                         "[Icon Theme]\nName=Test\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(folder + QStringLiteral("/document-new.png")));
        const QStringList paths = QIcon::themeSearchPaths();
        const QString name = QIcon::themeName();
        QIcon::setThemeSearchPaths({home.path()});
        QIcon::setThemeName(QStringLiteral("tamsel-test-theme"));
        const QImage themed = picture(command_icon(u"id_File_New"));
        const bool own_for_the_rest = drawn(command_icon(u"id_File_Open"));
        QIcon::setThemeName(name);
        QIcon::setThemeSearchPaths(paths);
        QCOMPARE(themed.pixel(8, 8), QColor(Qt::red).rgba());
        QVERIFY(own_for_the_rest);
        QVERIFY(command_icon(u"ID_SetVBScript").isNull());
    }

    // Saving under another name changes what the tab shows: the type's picture and the path as its tip.
    void save_as_renews_the_tab() {
        NoTheme none;
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("a.htm"), "x"), false));
        const QString target = f.docs.filePath(QStringLiteral("a.css"));
        f.dialogs.files = {target};
        w.dispatch(QStringLiteral("ID_File_SaveAs"));
        auto* tabs = w.findChild<QTabBar*>(QStringLiteral("project_strip"));
        QCOMPARE(tabs->tabToolTip(0), target);
        QCOMPARE(picture(tabs->tabIcon(0)), picture(document_icon(doc_css)));
    }
};

TAMSEL_TEST(CommandIconsWindowTest)
#include "command_icons_window_test.moc"
