// "Cleanup HTML Code" in the window: while one runs, events go on and a second one only beeps.
#include "analyze/error_list_form.h"
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "support/test_registry.h"

#include <QTest>
#include <QTimer>

using namespace tamsel;
using test::AppFixture;

namespace {

const QString cleanup_id = QStringLiteral("id_Cleanup_HTML_Code");
const QByteArray correct_page = "<HTML><BODY><P>Hello <B>you</B> <A HREF=a.htm>there</A>\n</BODY></HTML>\n";

}  // namespace

class CleanupWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_cleanup_asked_for_while_one_runs_beeps() {
        AppFixture f;
        MasterWindow& w = f.start();
        ScriptedErrorList error_list;
        w.forms().use<ErrorListForm>(error_list);
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("hello.htm"), correct_page), false));
        bool busy = false;
        QTimer::singleShot(0, &w, [&] {
            busy = f.ws->window.tabs_updating;
            w.dispatch(cleanup_id);
        });
        w.dispatch(cleanup_id);
        QVERIFY(busy);
        QCOMPARE(f.dialogs.beeps, 1);
        QCOMPARE(error_list.shown.size(), 1);  // one cleanup ran
    }
};

TAMSEL_TEST(CleanupWindowTest)
#include "cleanup_window_test.moc"
