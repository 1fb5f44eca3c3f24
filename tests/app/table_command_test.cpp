// "Basic HTML Table" and "Import Comma Delimited File (CSV)" in the session: the wizard opened with the
// kept fields, the table poured into the body as one undo step, the import's progress, the fields kept
// on a confirmed import, and an unreadable data file keeping the wizard open.
#include "session_fixture.h"
#include "support/test_registry.h"
#include "wizards/table_commands.h"
#include "wizards/table_wizard_form.h"

#include <QTest>

using namespace tamsel;

namespace {

class CaptionListener : public ProgressListener {
public:
    QStringList captions;
    int last_percent = -1;
    void progress_opened(int, const QString& caption, bool) override { captions << caption; }
    void progress_changed(int, int percent) override { last_percent = percent; }
    void progress_closed() override {}
};

struct TableFixture : test::SessionFixture {
    ScriptedTableWizard wizard;
    TableFixture() {
        forms.use<TableWizardForm>(wizard);
        start();
    }
};

}  // namespace

class TableCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void an_empty_table_goes_into_the_body_as_one_step() {
        TableFixture f;
        const QByteArray page = "<html><head></head>\r\n<body>\r\n</body></html>\r\n";
        QVERIFY(f.files().open_document(f.doc(QStringLiteral("p.htm"), page), false));
        f.store.values.insert(QStringLiteral("CSV_Width"), QStringLiteral("50"));
        f.wizard.answers.push_back([](TableFields& t) { t.rows = t.columns = QStringLiteral("1"); });
        f.dispatch(QStringLiteral("id_Tools_Table_Basic"));

        QCOMPARE(f.wizard.shown.value(0).first, TableMode::Basic);
        QCOMPARE(f.wizard.shown.value(0).second.width, QStringLiteral("50"));  // the kept fields
        QCOMPARE(f.editor().text(), QStringLiteral("<html><head></head>\r\n<body><table Width=\"50%\" Cellpadding=0 "
                                                   "Cellspacing=0 Border=1>\r\n<tr align=center>\r\n<td>&nbsp;</td>\r\n"
                                                   "</tr>\r\n</table>\r\n\r\n\r\n</body></html>\r\n"));
        QVERIFY(f.changed());
        QCOMPARE(f.store.values.size(), 1);  // an empty table keeps no fields
        f.editor().undo();
        QCOMPARE(f.editor().text(), QString::fromLatin1(page));
    }

    void cancel_leaves_the_document_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("basic") << "id_Tools_Table_Basic";
        QTest::newRow("CSV") << "id_Tools_Table_CSV";
    }
    void cancel_leaves_the_document() {
        QFETCH(QString, command);
        TableFixture f;
        QVERIFY(f.files().new_document(QStringLiteral("HTM")));
        f.dispatch(command);  // no answer: Cancel
        QCOMPARE(f.wizard.shown.size(), 1);
        QCOMPARE(f.editor().text(), QString());
        QVERIFY(!f.changed() && f.store.values.isEmpty());
    }

    void an_unreadable_data_file_keeps_the_wizard_open() {
        TableFixture f;
        QVERIFY(f.files().new_document(QStringLiteral("HTM")));
        const QString data = f.doc(QStringLiteral("prices.csv"), "item,price\r\ntea,-1.5\r\n");
        f.wizard.answers.push_back([&](TableFields& t) {
            t.filename = f.docs.filePath(QStringLiteral("missing.csv"));
            t.numeric_styles[0] = QStringLiteral("LOSS");
        });
        f.wizard.answers.push_back([&](TableFields& t) { t.filename = data; });
        CaptionListener progress;
        f.ws->progress.set_listener(&progress);
        f.dispatch(QStringLiteral("id_Tools_Table_CSV"));
        f.ws->progress.set_listener(nullptr);

        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, csv_file_required);
        QVERIFY(f.wizard.answers.empty() && f.wizard.shown.size() == 1);  // both answers to one opening
        QVERIFY(f.editor().text().contains(QStringLiteral("<td>tea</td>\r\n<td align=right id=\"LOSS\">-1.5</td>")));
        QVERIFY(f.changed());
        QCOMPARE(progress.captions.value(0), QStringLiteral("Importing CSV File - Analyzing Data"));
        QCOMPARE(progress.last_percent, 100);
        QCOMPARE(f.store.values.value(QStringLiteral("CSV_Filename")), data);  // kept for the next opening
        QCOMPARE(f.store.values.value(QStringLiteral("CSV_NStyle0")), QStringLiteral("LOSS"));
    }
};

TAMSEL_TEST(TableCommandTest)
#include "table_command_test.moc"
