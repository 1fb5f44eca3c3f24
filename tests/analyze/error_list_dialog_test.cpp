// frm_error shows what it is asked to show and answers with the button pressed.
#include "analyze/error_list_dialog.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace tamsel;

namespace {

ErrorListRequest request(bool ignore_enabled) {
    ErrorListRequest r;
    r.caption = QStringLiteral("Structure Errors");
    r.error_count = QStringLiteral("0001");
    r.warning_count = QStringLiteral("0002");
    r.columns = {{QStringLiteral("Line"), 55}, {QStringLiteral("Error/Warning"), 650}, {QString(), 0}};
    r.rows = {{1, {QStringLiteral("0003"), QStringLiteral("Open <B> with no closing tag"), QString()}, 3},
              {2, {QStringLiteral("0004"), QStringLiteral("ALT= attribute is reccomended"), QString()}, 4},
              {2, {QString(), QStringLiteral("Missing TITLE : required for Table of Contents"), QString()}, 0}};
    r.ignore_enabled = ignore_enabled;
    return r;
}

QPushButton* button(QWidget& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>(QStringLiteral("Command")))
        if (b->text() == text) return b;
    return nullptr;
}

}  // namespace

class ErrorListDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shows_the_counts_and_the_rows() {
        ErrorListDialog dialog(request(false));
        QCOMPARE(dialog.objectName(), QStringLiteral("frm_error"));
        QVERIFY(!button(dialog, QStringLiteral("Ignore Errors"))->isEnabled());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Structure Errors"));
        QStringList counts;
        for (const QLabel* label : dialog.findChildren<QLabel*>(QStringLiteral("err_cnt"))) counts << label->text();
        QCOMPARE(counts, (QStringList{"0001", "0002"}));
        const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        QVERIFY(list);
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Error/Warning"));
        // The line beside its icon is shown whole.
        QVERIFY(list->columnWidth(0) >= 16 + list->fontMetrics().horizontalAdvance(QStringLiteral("0004")));
        QCOMPARE(list->columnWidth(1), 650);
        QVERIFY(list->isColumnHidden(2));
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("Missing TITLE : required for Table of Contents"));
        // An error and a warning look different.
        const QImage error_icon = list->topLevelItem(0)->icon(0).pixmap(16).toImage();
        QVERIFY(!error_icon.isNull());
        QVERIFY(error_icon != list->topLevelItem(1)->icon(0).pixmap(16).toImage());
        QCOMPARE(list->topLevelItem(1)->icon(0).pixmap(16).toImage(), list->topLevelItem(2)->icon(0).pixmap(16).toImage());
    }

    // Double-click or Enter on a row shows its line; a row of the whole file has none to show. The list
    // stays open.
    void activating_a_row_goes_to_its_line() {
        ErrorListRequest r = request(true);
        QList<int> lines;
        r.go_to_line = [&lines](int line) { lines.append(line); };
        ErrorListDialog dialog(r);
        dialog.show();
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        list->setFocus();
        for (int row : {1, 2, 0}) {
            list->setCurrentItem(list->topLevelItem(row));
            QTest::keyClick(list, Qt::Key_Return);
        }
        QCOMPARE(lines, (QList<int>{4, 3}));
        QVERIFY(dialog.isVisible());
    }

    void the_buttons_answer_data() {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("answer");
        QTest::newRow("Ignore Errors") << "Ignore Errors" << int(ErrorListAnswer::IgnoreErrors);
        QTest::newRow("Cancel") << "Cancel" << int(ErrorListAnswer::Cancel);
        QTest::newRow("the window frame") << "" << int(ErrorListAnswer::Cancel);
    }
    void the_buttons_answer() {
        QFETCH(QString, pressed);
        QFETCH(int, answer);
        // Through the window's form, as the editor asks: modal, answered when it shows.
        QtErrorListForm form(nullptr);
        QTimer::singleShot(0, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            QVERIFY(shown && shown->objectName() == QStringLiteral("frm_error"));
            if (pressed.isEmpty()) shown->close();
            else button(*shown, pressed)->click();
        });
        QCOMPARE(int(form.show(request(true))), answer);
    }
};

TAMSEL_TEST(ErrorListDialogTest)
#include "error_list_dialog_test.moc"
