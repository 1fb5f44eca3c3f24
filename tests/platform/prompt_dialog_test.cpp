// frm_MyInput, the one-line prompt of the desktop: the typed text, or nothing on Cancel.
#include "platform/qt_dialog.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace tamsel;

class PromptDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void the_prompt_answers_with_the_line_or_nothing_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("typed");
        QTest::newRow("OK with a line") << true << "Arial";
        QTest::newRow("OK with an empty line is an answer") << true << "";
        QTest::newRow("Cancel is none") << false << "ignored";
    }
    void the_prompt_answers_with_the_line_or_nothing() {
        QFETCH(bool, accept);
        QFETCH(QString, typed);
        QtDialogs dialogs;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown && shown->objectName() == QStringLiteral("frm_MyInput"));
            title = shown->windowTitle();
            QCOMPARE(shown->textValue(), QStringLiteral("preset"));
            shown->setTextValue(typed);
            if (accept) shown->accept();
            else shown->reject();
        });
        const std::optional<QString> answer = dialogs.prompt_line(QStringLiteral("Name:"), QStringLiteral("New Tag"), QStringLiteral("preset"));
        QCOMPARE(title, QStringLiteral("New Tag"));
        QCOMPARE(answer.has_value(), accept);
        if (accept) QCOMPARE(*answer, typed);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QCOMPARE(dialogs.prompt_input(QStringLiteral("Name:"), QStringLiteral("New Tag")), QString());
    }

    void a_line_number_prompt_takes_digits_only() {
        QtDialogs dialogs;
        QTimer::singleShot(0, [] {
            auto* shown = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            auto* line = shown->findChild<QLineEdit*>();
            QVERIFY(line);
            QTest::keyClicks(line, QStringLiteral("1x2-3 "));
            shown->accept();
        });
        QCOMPARE(dialogs.prompt_line(QStringLiteral("Line:"), QStringLiteral("Go"), {}, InputKind::Digits), QStringLiteral("123"));
    }
};

TAMSEL_TEST(PromptDialogTest)
#include "prompt_dialog_test.moc"
