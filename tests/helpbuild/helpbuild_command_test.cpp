// "HTMLHelp System Compiler" and the Help menu in the session, with scripted answers: the two questions,
// the error list for a site with problems, the build into help/ of the per-user folder, the compiler's
// messages, and the help files opened or reported missing.
#include "app/command_rules.h"
#include "app/session_fixture.h"
#include "helpbuild/helpbuild_support.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTest>

using namespace tamsel;

namespace {

const QByteArray warning_page = "<HTML><HEAD><TITLE>T</TITLE></HEAD>\n<BODY><P>x</P></BODY></HTML>\n";
const QByteArray error_page = "<HTML><HEAD><TITLE>T</TITLE></HEAD>\n<BODY><A HREF=\"x.htm>x</A></BODY></HTML>\n";

// A session whose compiler is a stand-in printing output, with the answers for the two questions.
struct HelpSession : test::SessionFixture {
    QTemporaryDir tools;

    explicit HelpSession(const QByteArray& compiler_output = "Writing CHM HELPFILE.chm\n") {
        set("htmlhelp_path", test::fake_compiler(tools.path(), compiler_output));
        start();
    }
    QString site_page(const QByteArray& bytes) { return doc("site/index.htm", bytes); }
    void answer(const QString& index, const QString& folder) {
        dialogs.files.push_back(index);
        dialogs.folders.push_back(folder);
    }
    void build() { dispatch("ID_HTMLHelp_System_Compiler"); }
    QString help_folder() const { return ws->paths.help(); }
    QStringList message_texts() const {
        QStringList texts;
        for (const MessageRequest& m : dialogs.messages) texts << m.title + ": " + m.text;
        return texts;
    }
};

}  // namespace

class HelpbuildCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_commands_are_enabled() {
        test::SessionFixture f;
        f.start();
        for (const char* id : {"ID_HTMLHelp_System_Compiler", "id_Help_Contents", "id_Help_Index", "id_Help_HTML", "id_Help_CSS"})
            QVERIFY2(f.ws->commands.enabled(QLatin1String(id)), id);
    }

    void a_cancelled_question_ends_the_command_data() {
        QTest::addColumn<bool>("index_chosen");
        QTest::newRow("no index page") << false;
        QTest::newRow("no website folder") << true;
    }
    void a_cancelled_question_ends_the_command() {
        QFETCH(bool, index_chosen);
        HelpSession f;
        const QString index = f.site_page(warning_page);
        f.dialogs.files.push_back(index_chosen ? std::optional<QString>(index) : std::nullopt);
        f.dialogs.folders.push_back(std::nullopt);
        f.build();
        QCOMPARE(f.dialogs.file_requests.size(), 1);
        QCOMPARE(f.dialogs.file_requests[0].filters[0], QStringLiteral("Website Index Page (index.htm index.html default.htm default.html)"));
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(f.error_list.shown.isEmpty());
        QVERIFY(!QFile::exists(f.help_folder()));
    }

    void errors_in_the_site_must_be_resolved_first() {
        HelpSession f;
        const QString index = f.site_page(error_page);
        f.answer(index, QFileInfo(index).path());
        f.build();
        QCOMPARE(f.error_list.shown.size(), 1);
        QCOMPARE(f.error_list.shown[0].caption, QStringLiteral("ERRORS MUST BE RESOLVED BEFORE CONTINUING"));
        QVERIFY(!f.error_list.shown[0].ignore_enabled);
        QVERIFY(!QFile::exists(f.help_folder()));
        QCOMPARE(f.ws->results.count(), 0);  // the scan's list is not kept
    }

    void warnings_looked_at_then_the_help_is_built_and_opened() {
        HelpSession f;
        const QString index = f.site_page(warning_page);
        f.answer(index, QFileInfo(index).path());
        f.build();
        QCOMPARE(f.error_list.shown.size(), 1);  // no keywords, no description
        QVERIFY(f.error_list.shown[0].ignore_enabled);
        for (const char* file : {"HELPFILE.hhp", "HELPFILE.hhc", "HELPFILE.hhk", "HELPFILE.log", "HELPFILE.site/index.htm"})
            QVERIFY2(QFile::exists(f.help_folder() + "/" + file), file);
        QCOMPARE(f.message_texts(), QStringList{"Tamsel2001: HTMLHelp file succesfully compiled"});
        QCOMPARE(f.dialogs.opened, QStringList{f.help_folder() + "/HELPFILE.chm"});
        QVERIFY(!f.ws->window.tabs_updating);
    }

    void cancelling_the_warnings_builds_nothing() {
        HelpSession f;
        const QString index = f.site_page(warning_page);
        f.answer(index, QFileInfo(index).path());
        f.error_list.answers.push_back(ErrorListAnswer::Cancel);
        f.build();
        QVERIFY(!QFile::exists(f.help_folder()));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void the_compilers_errors_are_shown() {
        HelpSession f("Note: x\nerror: bad TOC\nERROR: bad index\n");
        const QString index = f.site_page(warning_page);
        f.answer(index, QFileInfo(index).path());
        f.build();
        QCOMPARE(f.message_texts(), QStringList{"HTMLHelp Compiler Error: error: bad TOC\r\nERROR: bad index"});
        QVERIFY(f.dialogs.opened.isEmpty());
    }

    void an_index_page_outside_the_site_is_refused() {
        HelpSession f;
        const QString index = f.doc("elsewhere/index.htm", warning_page);
        f.site_page(warning_page);
        f.answer(index, f.docs.filePath("site"));
        f.build();
        QVERIFY(f.message_texts().value(0).contains("is not inside the website folder"));
        QVERIFY(f.error_list.shown.isEmpty());
    }

    void the_help_menu_opens_the_shipped_files_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("file");
        QTest::newRow("contents") << "id_Help_Contents" << "tamsel2001.chm";
        QTest::newRow("index") << "id_Help_Index" << "tamsel2001.chm";
        QTest::newRow("HTML reference") << "id_Help_HTML" << "HTML.chm";
        QTest::newRow("CSS reference") << "id_Help_CSS" << "CSS.chm";
    }
    void the_help_menu_opens_the_shipped_files() {
        QFETCH(QString, id);
        QFETCH(QString, file);
        test::SessionFixture f;
        QTemporaryDir data;
        f.ws->paths.program_data = data.path();
        f.start();
        f.dispatch(id);  // not there yet
        QCOMPARE(f.dialogs.messages.size(), 1);
        const MessageRequest& missing = f.dialogs.messages[0];
        QCOMPARE(missing.text, "Helpfile :" + data.filePath(file) + " NOT FOUND");
        QCOMPARE(missing.title, QStringLiteral("ERROR"));
        QCOMPARE(missing.icon, Icon::Critical);
        test::write_bytes(data.filePath(file), "chm");
        f.dispatch(id);
        QCOMPARE(f.dialogs.opened, QStringList{data.filePath(file)});
        f.dialogs.handler_opens = false;  // a desktop without a viewer
        f.dispatch(id);
        QVERIFY(f.dialogs.messages.last().text.contains("Install the Debian package xchm"));
    }
};

TAMSEL_TEST(HelpbuildCommandTest)
#include "helpbuild_command_test.moc"
