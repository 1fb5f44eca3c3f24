// The bookmark gutter shows the marks of the document on view, and only its own.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QTabBar>
#include <QTest>

using namespace tamsel;
using test::AppFixture;

namespace {

QList<int> marked_lines(EditTextWidget& edit) {
    QList<int> lines;
    for (int line = 0; line < edit.lines(); ++line)
        if (edit.markersAtLine(line) & (1u << EditTextWidget::bookmark_marker)) lines.append(line + 1);
    return lines;
}

}  // namespace

class BookmarkGutterWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_gutter_shows_the_marks_of_the_document_on_view() {
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("a.htm"), "1\n2\n3\n4\n5\n"), false));
        EditTextWidget& edit = w.editor();
        for (const int line : {4, 2}) {
            edit.set_selection(edit.line_start(line - 1), 0);
            w.dispatch(QStringLiteral("id_BookMark_Add"));
        }
        QCOMPARE(marked_lines(edit), (QList<int>{2, 4}));
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("b.htm"), "x\ny\n"), false));
        QCOMPARE(marked_lines(edit), QList<int>{});
        w.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(0);
        QCOMPARE(marked_lines(edit), (QList<int>{2, 4}));
        w.dispatch(QStringLiteral("id_BookMark_Clear"));
        QCOMPARE(marked_lines(edit), QList<int>{});
    }
};

TAMSEL_TEST(BookmarkGutterWindowTest)
#include "bookmark_gutter_window_test.moc"
