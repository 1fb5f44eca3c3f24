// The property inspector on a tag of the page: opened for tags the database knows, the rebuilt tag put
// in place as one undo step; Cancel and refusals leave the page exactly as it was. The dialogs edit the
// rows by their types, the colour sample through the colour picker.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "inspector/inspector_commands.h"
#include "inspector/property_dialog.h"
#include "support/test_registry.h"
#include "wizards/colour_picker_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using namespace tamsel;
using test::AppFixture;

namespace {

int row_of(const QList<PropertyRow>& rows, const QString& name) {
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].name.compare(name, Qt::CaseInsensitive) == 0 && !rows[i].is_header()) return i;
    return -1;
}

}  // namespace

class InspectorWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void only_known_start_tags_open_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("opens");
        QTest::newRow("known tag over two lines") << "<td\r\n align=center>" << true;
        QTest::newRow("end tag") << "</td>" << false;
        QTest::newRow("unknown tag") << "<blink2 x=1>" << false;
    }
    void only_known_start_tags_open() {
        QFETCH(QString, tag);
        QFETCH(bool, opens);
        AppFixture f;
        MasterWindow& w = f.start();
        ScriptedPropertyForm form;
        w.forms().use<PropertyForm>(form);
        const QString page = QStringLiteral("<p>") + tag + QStringLiteral("x");
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("p.htm"), page.toUtf8()), false));
        inspect_tag(w.session(), f.ws->db, 3, tag.size());  // Cancel: nothing changes
        QCOMPARE(form.shown.size(), opens ? 1 : 0);
        if (opens) QCOMPARE(form.shown.first().key, QStringLiteral("TD"));
        QCOMPARE(w.editor().text(), page);
        QVERIFY(!f.ws->documents.active()->changed);
    }

    void update_puts_the_rebuilt_tag_in_place() {
        AppFixture f;
        MasterWindow& w = f.start();
        ScriptedPropertyForm form;
        w.forms().use<PropertyForm>(form);
        form.edits.push_back([](QList<PropertyRow>& rows) { rows[row_of(rows, "ALIGN")].value = QStringLiteral("right"); });
        const QString page = QStringLiteral("<p><td align=center nowrap>x");
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("p.htm"), page.toUtf8()), false));
        QVERIFY(inspect_tag(w.session(), f.ws->db, 3, 24));
        QCOMPARE(w.editor().text(), QStringLiteral("<p><TD  ALIGN=right  nowrap>x"));
        QCOMPARE(w.editor().selected_text(), QStringLiteral("<TD  ALIGN=right  nowrap>"));
        QVERIFY(f.ws->documents.active()->changed);
        w.editor().undo();
        QCOMPARE(w.editor().text(), page);
    }

    void dialog_edits_rows_by_their_type() {
        const QList<AttrRecord> attributes = {
            {QStringLiteral("TD"), QStringLiteral("ALIGN"), type_choice, QStringLiteral("left,center,right"), false},
            {QStringLiteral("TD"), QStringLiteral("BGCOLOR"), type_color, {}, false},
            {QStringLiteral("TD"), QStringLiteral("TITLE"), type_text, {}, false},
        };
        const ParsedTag parsed = parse_tag(u"<td align=CENTER bgcolor=red title='a b'>", attributes);
        ScriptedColourPicker picker;
        picker.answers.push_back(PickedColour{0x00FF00});  // green
        PropertyRequest request{parsed.key, attributes, property_rows(parsed, attributes), parsed.extra,
                                {{QStringLiteral("Red"), QStringLiteral("#FF0000")}}, &picker};
        PropertyDialog dialog(request);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Properties of the 'TD' tag"));
        auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("prop_grid"));
        // The first row is the choice: its item is found in any letter case.
        QCOMPARE(grid->currentRow(), 1);
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("ComboList"));
        QCOMPARE(combo->currentText(), QStringLiteral("center"));
        combo->setCurrentIndex(2);
        Q_EMIT combo->activated(2);
        grid->setCurrentCell(2, 0);  // the colour: a click on the sample opens the picker at the named red
        dialog.findChild<QPushButton*>(QStringLiteral("color_sample"))->click();
        QCOMPARE(picker.started_from.first(), PickedColour{0x0000FF});
        grid->setCurrentCell(3, 0);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("TextEntry"))->text(), QStringLiteral("a b"));
        QCOMPARE(dialog.rebuilt(), QStringLiteral("<TD ALIGN=right BGCOLOR=#00FF00 TITLE=\"a b\">"));
    }

    void colour_picker_ways_follow_each_other() {
        const QList<ColorRecord> named = {{}, {QStringLiteral("Red"), QStringLiteral("#FF0000")},
                                          {QStringLiteral("Navy"), QStringLiteral("#000080")}};
        ColourPickerDialog dialog(255, named);
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("color_list"));
        QCOMPARE(list->count(), 2);  // the unnamed slot is not offered
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("sample_hex"))->text(), QStringLiteral("0000FF"));
        QCOMPARE(dialog.findChild<QScrollBar*>(QStringLiteral("color_scroll_2"))->value(), 255);
        dialog.findChild<QScrollBar*>(QStringLiteral("color_scroll_0"))->setValue(1);  // no name has it
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("hexval_0"))->text(), QStringLiteral("001"));
        list->setCurrentRow(1);
        QCOMPARE(dialog.colour(), PickedColour{0x800000});
        QCOMPARE(dialog.findChild<QScrollBar*>(QStringLiteral("color_scroll_0"))->value(), 128);
        // The palette box of blue 33, red CC, green 00.
        dialog.findChild<QPushButton*>(QStringLiteral("safe_color_%1").arg(1 * 36 + 4 * 6))->click();
        QCOMPARE(dialog.colour(), PickedColour{(51 << 16) | 204});
    }
};

TAMSEL_TEST(InspectorWindowTest)
#include "inspector_window_test.moc"
