// The wizards' windows as a user works them: the calendar's fields, the frame wizard's pages, sliders and
// preview, the new-document kinds and the template list.
#include "support/test_registry.h"
#include "wizards/calendar_wizard_dialog.h"
#include "wizards/frame_wizard_dialog.h"
#include "wizards/new_document_dialog.h"
#include "wizards/template_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace tamsel;

namespace {

template <typename W>
W* child(QWidget& parent, const QString& name) {
    W* w = parent.findChild<W*>(name);
    if (!w) qWarning("no %s", qPrintable(name));
    return w;
}

void click(QWidget& parent, const QString& name) { QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton); }

QStringList shown_sliders(FrameWizardDialog& d) {
    QStringList shown;
    for (int i = 0; i < 8; ++i)
        if (child<QSlider>(d, QStringLiteral("Slider_%1").arg(i))->isVisibleTo(&d)) shown << child<QLabel>(d, QStringLiteral("label3a_%1").arg(i))->text();
    return shown;
}

int shown_samples(FrameWizardDialog& d) {
    int shown = 0;
    for (QLabel* box : d.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^sample_\\d+$")))) shown += box->isVisibleTo(&d);
    return shown;
}

}  // namespace

class WizardDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void calendar_opens_at_this_month() {
        CalendarWizardDialog d(QDate(2026, 12, 7));
        QCOMPARE(child<QComboBox>(d, "cb_month")->currentText(), QStringLiteral("December"));
        QComboBox* year = child<QComboBox>(d, "cb_year");
        QCOMPARE(year->count(), 11);
        QCOMPARE(year->itemText(0), QStringLiteral("2021"));
        QCOMPARE(year->currentIndex(), 5);
        QCOMPARE(year->currentText(), QStringLiteral("2026"));
        QVERIFY(child<QRadioButton>(d, "CalSize_0")->isChecked());
    }

    void calendar_answers_with_its_fields_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("month");  // empty: no answer
        QTest::addColumn<int>("size");
        QTest::newRow("Create: month, year and size") << "Command_1" << "03/2001" << 3;
        QTest::newRow("Cancel: nothing") << "Command_0" << "" << 0;
    }
    void calendar_answers_with_its_fields() {
        QFETCH(QString, button);
        QFETCH(QString, month);
        QFETCH(int, size);
        CalendarWizardDialog d(QDate(2004, 6, 15));
        child<QComboBox>(d, "cb_month")->setCurrentIndex(2);
        child<QComboBox>(d, "cb_year")->setCurrentText(QStringLiteral("2001"));
        click(d, "CalSize_2");
        click(d, button);
        QCOMPARE(d.choice().has_value(), !month.isEmpty());
        if (!d.choice()) return;
        QCOMPARE(d.choice()->month, month);
        QCOMPARE(static_cast<int>(d.choice()->size), size);
    }

    void frame_steps_follow_rows_or_columns() {
        FrameWizardDialog d;
        QCOMPARE(child<QLabel>(d, "Label2")->text(), QStringLiteral("How many Rows would you like?"));
        click(d, "RowCol_1");
        QCOMPARE(child<QLabel>(d, "Label2")->text(), QStringLiteral("How many Columns would you like?"));
        QCOMPARE(child<QLabel>(d, "Label3")->text(), QStringLiteral("Each Column can be sub-divided into from 1 to 8 frames"));
        child<QSlider>(d, "Slider1")->setValue(2);
        QCOMPARE(child<QLabel>(d, "lbl_count")->text(), QStringLiteral("2 Columns"));
    }

    void frame_shows_a_slider_for_each_row_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("one") << 1 << QStringList{"Row 1"};
        QTest::newRow("three") << 3 << QStringList{"Row 1", "Row 2", "Row 3"};
        QTest::newRow("eight, back from more") << 8 << QStringList{"Row 1", "Row 2", "Row 3", "Row 4", "Row 5", "Row 6", "Row 7", "Row 8"};
    }
    void frame_shows_a_slider_for_each_row() {
        QFETCH(int, count);
        QFETCH(QStringList, shown);
        FrameWizardDialog d;
        child<QSlider>(d, "Slider1")->setValue(5);
        child<QSlider>(d, "Slider1")->setValue(count);
        QCOMPARE(shown_sliders(d), shown);
    }

    void frame_previews_and_finishes() {
        FrameWizardDialog d;
        child<QSlider>(d, "Slider1")->setValue(2);
        child<QSlider>(d, "Slider_1")->setValue(3);
        QCOMPARE(child<QLabel>(d, "Val_1")->text(), QStringLiteral("3"));
        QVERIFY(!child<QPushButton>(d, "Command_0")->isEnabled());
        click(d, "Command_1");
        QCOMPARE(d.page(), 2);
        QCOMPARE(child<QPushButton>(d, "Command_1")->text(), QStringLiteral("&Finish"));
        QVERIFY(child<QPushButton>(d, "Command_0")->isEnabled());
        QCOMPARE(shown_samples(d), 4);
        const QRect top = child<QLabel>(d, "sample_1")->geometry();
        const QRect below = child<QLabel>(d, "sample_2")->geometry();
        QVERIFY(below.top() > top.bottom());
        QVERIFY(child<QWidget>(d, "fDisplay")->rect().contains(child<QLabel>(d, "sample_4")->geometry()));
        click(d, "Command_0");
        QCOMPARE(d.page(), 1);
        QCOMPARE(child<QPushButton>(d, "Command_1")->text(), QStringLiteral("&Next>"));
        click(d, "Command_1");
        QVERIFY(!d.finished());
        click(d, "Command_1");
        QVERIFY(d.finished());
        QCOMPARE(d.finished()->strips, 2);
        QCOMPARE(d.finished()->frames[1], 3);
    }

    void new_document_answers_with_the_kind_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Text File") << "ID_TextFile" << "ID_TextFile";
        QTest::newRow("Cancel") << "Command1" << "";
    }
    void new_document_answers_with_the_kind() {
        QFETCH(QString, button);
        QFETCH(QString, chosen);
        NewDocumentDialog d({});
        QCOMPARE(d.windowTitle(), QStringLiteral("Create New Document"));
        QCOMPARE(d.findChildren<QToolButton*>().size(), 6);
        click(d, button);
        QCOMPARE(d.chosen(), chosen);
    }

    void template_confirm_needs_a_selection() {
        TemplateDialog none({}, QIcon());
        QCOMPARE(child<QListWidget>(none, "List1")->count(), 0);
        QVERIFY(!child<QPushButton>(none, "Command_0")->isEnabled());

        TemplateDialog d({{"HTML5 Page", "/t/HTML5 Page.tpl"}, {"PAGE", "/u/PAGE.tpl"}}, QIcon());
        QListWidget* list = child<QListWidget>(d, "List1");
        QCOMPARE(list->item(1)->text(), QStringLiteral("PAGE"));
        QVERIFY(!child<QPushButton>(d, "Command_0")->isEnabled());
        list->setCurrentRow(0);
        QVERIFY(child<QPushButton>(d, "Command_0")->isEnabled());
        click(d, "Command_1");
        QVERIFY(!d.chosen());
    }

    void template_double_click_confirms() {
        TemplateDialog d({{"HTML5 Page", "/t/HTML5 Page.tpl"}, {"PAGE", "/u/PAGE.tpl"}}, QIcon());
        d.show();
        QListWidget* list = child<QListWidget>(d, "List1");
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(d.chosen(), std::optional<QString>(QStringLiteral("/u/PAGE.tpl")));
    }
};

TAMSEL_TEST(WizardDialogTest)
#include "wizard_dialog_test.moc"
