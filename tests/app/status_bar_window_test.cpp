// The status bar: where the caret is, what is selected, and the active document's type, encoding and
// line ends, following the document shown.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QLabel>
#include <QTabBar>
#include <QTest>

using namespace tamsel;
using test::AppFixture;

namespace {

QString field(MasterWindow& w, const char* name) {
    const auto* label = w.findChild<QLabel*>(QLatin1String(name));
    return label && label->isVisible() ? label->text() : QString();
}

}  // namespace

class StatusBarWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fields_follow_the_document_and_the_caret() {
        AppFixture f;
        MasterWindow& w = f.start();
        QVERIFY(field(w, "status_position").isEmpty());  // no document, nothing to say
        const QString utf8 = f.doc(QStringLiteral("a.htm"), "<P>caf\xc3\xa9</P>\n<B>x</B>\n");
        const QString cp1252 = f.doc(QStringLiteral("b.css"), "p { content: \"caf\xe9\" }\r\nb { }\r\n");
        QVERIFY(w.documents().open_document(utf8, false));
        QCOMPARE(field(w, "status_type"), QStringLiteral("HTML"));
        QCOMPARE(field(w, "status_encoding"), QStringLiteral("UTF-8"));
        QCOMPARE(field(w, "status_line_ends"), QStringLiteral("LF"));
        EditTextWidget& edit = w.editor();
        edit.set_selection(edit.line_start(1) + 3, 0);
        QCOMPARE(field(w, "status_position"), QStringLiteral("Ln 2, Col 4"));
        edit.set_selection(7, 0);  // after "café": the column counts characters, not bytes
        QCOMPARE(field(w, "status_position"), QStringLiteral("Ln 1, Col 8"));
        QCOMPARE(field(w, "status_selection"), QString());
        edit.set_selection(3, 4);  // "café": four characters, five bytes
        QCOMPARE(field(w, "status_selection"), QStringLiteral("Sel 4"));

        QVERIFY(w.documents().open_document(cp1252, false));
        QCOMPARE(field(w, "status_type"), QStringLiteral("CSS"));
        QCOMPARE(field(w, "status_encoding"), QStringLiteral("Windows-1252"));
        QCOMPARE(field(w, "status_line_ends"), QStringLiteral("CR LF"));
        w.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(0);
        QCOMPARE(field(w, "status_encoding"), QStringLiteral("UTF-8"));
        QVERIFY(!w.grab().isNull());
    }
};

TAMSEL_TEST(StatusBarWindowTest)
#include "status_bar_window_test.moc"
