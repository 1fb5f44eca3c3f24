// The wizard commands and "New" through the session with scripted forms: the calendar, the frame
// wizard's refusal and closing message, the kinds of new document and templates.
#include "app/command_table.h"
#include "core/document_kinds.h"
#include "session_fixture.h"
#include "support/test_registry.h"
#include "wizards/frame_layout.h"

#include <QFileInfo>
#include <QTest>

using namespace tamsel;
using test::SessionFixture;

namespace {

const CalendarChoice march_2001{CalendarSize::small, QStringLiteral("03/2001")};

QString user_template(SessionFixture& f, const QString& name, const QByteArray& bytes) {
    const QString path = f.user.filePath(QStringLiteral("templates/") + name);
    QDir().mkpath(QFileInfo(path).path());
    test::write_bytes(path, bytes);
    return path;
}

}  // namespace

class WizardCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void calendar_goes_into_the_page() {
        SessionFixture f;
        f.start();
        f.dispatch(QStringLiteral("id_File_New"));
        f.calendar_form.answers = {march_2001};
        f.dispatch(QStringLiteral("id_Tools_Calendar"));
        QCOMPARE(f.calendar_form.shown.last(), QDate::currentDate());
        const QString text = f.editor().text();
        QVERIFY(text.contains(QStringLiteral("<td colspan=7>March 2001</td>")));
        QVERIFY(f.changed());
        QCOMPARE(f.editor().selection_start(), text.indexOf(QLatin1String("<table")));
    }

    void calendar_cancel_inserts_nothing_data() {
        QTest::addColumn<bool>("earlier");
        QTest::newRow("on a new page") << false;
        QTest::newRow("after an earlier calendar") << true;
    }
    void calendar_cancel_inserts_nothing() {
        QFETCH(bool, earlier);
        SessionFixture f;
        f.start();
        f.dispatch(QStringLiteral("id_File_New"));
        if (earlier) {
            f.calendar_form.answers = {march_2001};
            f.dispatch(QStringLiteral("id_Tools_Calendar"));
        }
        const QString before = f.editor().text();
        f.calendar_form.answers = {std::nullopt};
        f.dispatch(QStringLiteral("id_Tools_Calendar"));
        QCOMPARE(f.editor().text(), before);
        QCOMPARE(f.changed(), earlier);
    }

    void frame_wizard_never_changes_the_page_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("finish");
        QTest::addColumn<int>("showings");
        QTest::addColumn<QString>("message");  // empty: none
        QTest::newRow("a page with text is refused") << "x" << true << 0 << frame_wizard_refusal_text();
        QTest::newRow("finishing says the frameset is not written yet") << "" << true << 1 << frame_wizard_unfinished_text();
        QTest::newRow("cancel says nothing") << "" << false << 1 << "";
    }
    void frame_wizard_never_changes_the_page() {
        QFETCH(QString, text);
        QFETCH(bool, finish);
        QFETCH(int, showings);
        QFETCH(QString, message);
        SessionFixture f;
        f.start();
        f.dispatch(QStringLiteral("id_File_New"));
        f.type(text);
        if (finish) f.frame_wizard.answers = {FrameLayout{}};
        f.dispatch(QStringLiteral("id_FrameWizard"));
        QCOMPARE(f.frame_wizard.showings, showings);
        QCOMPARE(f.editor().text(), text);
        QCOMPARE(f.dialogs.beeps, message.isEmpty() ? 0 : 1);
        QCOMPARE(f.dialogs.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) QCOMPARE(f.dialogs.messages.last().text, message);
        // Reachable: the Tools menu holds it.
        QCOMPARE(find_command(u"id_FrameWizard")->parent.toString(), QStringLiteral("id_TopMenu_Tools"));
    }

    void new_makes_the_kind_chosen_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<std::optional<QString>>("template_name");
        QTest::addColumn<QString>("file");  // empty: no document made
        QTest::addColumn<QString>("text");
        QTest::newRow("Text File: an untitled TXT document") << "ID_TextFile" << std::optional<QString>() << "New File 01.TXT" << "";
        QTest::newRow("Cancel makes nothing") << "" << std::optional<QString>() << "" << "";
        QTest::newRow("a template: its text") << "ID_HTMLTemplate" << std::optional<QString>("PAGE") << "New File 01.HTM"
                                              << "<P>kept</P>\r\n";
        QTest::newRow("the template form cancelled makes nothing") << "ID_HTMLTemplate" << std::optional<QString>() << "" << "";
    }
    void new_makes_the_kind_chosen() {
        QFETCH(QString, kind);
        QFETCH(std::optional<QString>, template_name);
        QFETCH(QString, file);
        QFETCH(QString, text);
        SessionFixture f;
        f.start();
        user_template(f, QStringLiteral("PAGE.tpl"), "<P>kept</P>\r\n");
        f.new_document.answers = {kind};
        f.template_form.answers = {template_name};
        f.dispatch(QStringLiteral("id_File_New"));
        QCOMPARE(QFileInfo(f.active_path()).fileName(), file);
        if (file.isEmpty()) return;
        QCOMPARE(f.editor().text(), text);
        QCOMPARE(f.changed(), !text.isEmpty());  // a page from a template is new text to save
        QCOMPARE(f.ws->documents.active()->line_ends, LineEnds::CrLf);
    }

    // "Save as HTML Template" keeps a page where "HTML from Template" finds it again, beside the shipped
    // templates; a name of the user's hides the shipped one.
    void a_saved_template_is_offered_with_the_shipped_ones() {
        SessionFixture f;
        f.ws->paths.program_data = test::data_dir();
        f.start();
        f.files().open_document(f.doc(QStringLiteral("Page.htm"), "<P>mine</P>"), false);
        f.dialogs.files = {f.docs.filePath(QStringLiteral("Page.htm"))};
        f.dispatch(QStringLiteral("ID_SaveasHTMLTemplate"));
        const QString mine = user_template(f, QStringLiteral("HTML5 Page.tpl"), "<P>my own HTML5</P>");
        f.new_document.answers = {QStringLiteral("ID_HTMLTemplate")};
        f.template_form.answers = {QStringLiteral("PAGE")};
        f.dispatch(QStringLiteral("id_File_New"));
        QStringList names;
        for (const TemplateEntry& e : f.template_form.shown.last()) names << e.name;
        QCOMPARE(names, (QStringList{"HTML 4.01 Page", "HTML5 Page", "PAGE", "Page with Style Sheet and Script"}));
        QCOMPARE(f.template_form.shown.last()[1].path, mine);
        QCOMPARE(f.editor().text(), QStringLiteral("<P>mine</P>"));
    }
};

TAMSEL_TEST(WizardCommandsTest)
#include "wizard_commands_test.moc"
