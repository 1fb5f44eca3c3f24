// The editor's typing rules, through key and mouse events on the main window's editor.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app/progress_bar.h"
#include "app/special_chars_widget.h"
#include "app/typing_rules.h"
#include "app_fixture.h"
#include "inspector/property_form.h"
#include "support/test_registry.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace tamsel;
using test::AppFixture;

namespace {

// A window with one document holding text, the caret at caret, the changed flag clear.
EditTextWidget& editor_with(AppFixture& f, const QByteArray& text, qsizetype caret = 0) {
    MasterWindow& w = f.start();
    w.documents().open_document(f.doc(QStringLiteral("page.htm"), text), false);
    w.editor().set_selection(caret, 0);
    f.ws->documents.active()->changed = false;
    return w.editor();
}

QString hundred_lines() {
    QString text;
    for (int i = 1; i <= 100; ++i) text += QStringLiteral("line %1\r\n").arg(i);
    return text;
}

}  // namespace

class TypingWidgetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_change_the_text_and_mark_it_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("result");  // from "one two" with the caret after "one"
        QTest::newRow("a character") << int(Qt::Key_X) << 0 << "onex two";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "on two";
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "onetwo";
        QTest::newRow("tab as tab_width spaces") << int(Qt::Key_Tab) << 0 << "one      two";
        QTest::newRow("enter takes the document's line end") << int(Qt::Key_Return) << 0 << "one\r\n two";
        QTest::newRow("ctrl+enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << "one<br>\r\n two";
        QTest::newRow("ctrl+space") << int(Qt::Key_Space) << int(Qt::ControlModifier) << "one&nbsp; two";
    }
    void keys_change_the_text_and_mark_it() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, result);
        AppFixture f;
        f.set("tab_width", QStringLiteral("5"));
        EditTextWidget& edit = editor_with(f, "one two\r\n", 3);
        QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit.text(), result + QStringLiteral("\r\n"));
        QVERIFY(f.ws->documents.active()->changed);
        QVERIFY(f.ws->window.text_dirty);
    }

    void escape_in_the_editor_requests_a_stop_once() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, "text");
        edit.setFocus();
        QTest::keyClick(&edit, Qt::Key_Escape);
        QVERIFY(f.ws->window.stop_request);
        QCOMPARE(f.dialogs.beeps, 1);
    }

    void tab_does_not_replace_the_selection() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, "abcd");
        edit.set_selection(1, 2);
        QTest::keyClick(&edit, Qt::Key_Tab);
        QCOMPARE(edit.text(), QStringLiteral("a   bcd"));
    }

    void home_and_end_go_to_the_ends_of_the_document() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, hundred_lines().toUtf8());
        edit.set_selection(edit.line_start(39) + 3, 0);
        QTest::keyClick(&edit, Qt::Key_Home);
        QCOMPARE(edit.selection_start(), 0);
        QTest::keyClick(&edit, Qt::Key_End);
        QCOMPARE(edit.selection_start(), edit.length());
        QTest::keyClick(&edit, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(edit.selection_length(), edit.length());
        QVERIFY(!f.ws->documents.active()->changed);
    }

    void clipboard_letters_cut_paste_and_undo() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, "one two");
        edit.set_selection(0, 4);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("two"));
        QVERIFY(f.ws->commands.enabled(QStringLiteral("id_Edit_Paste")));
        edit.set_selection(3, 0);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("twoone "));
        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("two"));
        QVERIFY(f.ws->documents.active()->changed);
    }

    void double_click_selects_a_tag_or_a_word_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("is_tag");
        QTest::newRow("inside an opening tag") << "x<td align=center>y" << 6 << "<td align=center>" << true;
        QTest::newRow("inside a closing tag") << "x</td>y" << 3 << "</td>" << true;
        QTest::newRow("second word of plain text") << "one,two" << 5 << "two" << false;
        QTest::newRow("a word ends at the line end") << "one\r\ntwo" << 6 << "two" << false;
        QTest::newRow("text between two tags") << "<b>bold</b>" << 5 << "bold" << false;
        QTest::newRow("a tag over two lines") << "<td\r\nalign=center>" << 2 << "<td\r\nalign=center>" << true;
    }
    void double_click_selects_a_tag_or_a_word() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, selected);
        QFETCH(bool, is_tag);
        const Span span = double_click_span(text, caret);
        QCOMPARE(text.mid(span.start, span.length), selected);
        QCOMPARE(span.is_tag, is_tag);
    }

    void the_inspector_gets_opening_tags_on_one_line() {
        QCOMPARE(inspector_tag_text(QStringLiteral("<td\r\n  align=center>")), QStringLiteral("<td align=center>"));
        QVERIFY(!inspector_tag_text(QStringLiteral("</td>")));
    }

    void double_click_on_a_tag_hands_it_over() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, "text <td align=center> more");
        ScriptedPropertyForm inspector;  // cancels
        f.window->forms().use<PropertyForm>(inspector);
        QSignalSpy handed(&edit, &EditTextWidget::tag_double_clicked);
        const long byte = edit.to_byte(9);
        const QPoint at(static_cast<int>(edit.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, byte)),
                        static_cast<int>(edit.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, byte)) + 4);
        QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(edit.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(edit.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(edit.selected_text(), QStringLiteral("<td align=center>"));
        QCOMPARE(handed.count(), 1);
        QCOMPARE(handed[0][2].toString(), QStringLiteral("<td align=center>"));
        // The window opens the inspector on it.
        QCOMPARE(inspector.shown.size(), 1);
        QCOMPARE(inspector.shown[0].key, QStringLiteral("TD"));
    }

    void splitter_ratio_data() {
        QTest::addColumn<int>("pointer");
        QTest::addColumn<float>("expected");  // -1: nothing changes
        QTest::newRow("dragged to the very top") << 0 << 0.1f;
        QTest::newRow("dragged to the bottom") << 1000 << 0.9f;
        QTest::newRow("truncated to hundredths") << 337 << 0.33f;
        QTest::newRow("a move of 0.02 or less") << 515 << -1.0f;
    }
    void splitter_ratio() {
        QFETCH(int, pointer);
        QFETCH(float, expected);
        const auto ratio = dragged_split_ratio(pointer, 1000, 0.5f);
        QCOMPARE(ratio.value_or(-1.0f), expected);
    }

    void special_character_labels_insert_entities() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, "a b", 1);
        f.window->dispatch(QStringLiteral("ID_ViewSpecial"));
        auto* panel = f.window->findChild<SpecialCharsWidget*>(QStringLiteral("special_characters"));
        QVERIFY(panel->isVisible());
        const QList<QToolButton*> labels = panel->findChildren<QToolButton*>(QStringLiteral("special"));
        QCOMPARE(labels.first()->text(), QStringLiteral("\""));
        QHash<QString, QToolButton*> by_entity;
        for (QToolButton* label : labels) by_entity.insert(label->property("entity").toString(), label);
        // Codes 128 to 159 are characters of the Windows code page; an entry without a name inserts its number.
        QCOMPARE(by_entity.value(QStringLiteral("#131"))->text(), QStringLiteral("\u0192"));
        QVERIFY(by_entity.contains(QStringLiteral("#8260")));
        by_entity.value(QStringLiteral("lt"))->click();
        QCOMPARE(edit.text(), QStringLiteral("a&lt; b"));
        QVERIFY(f.ws->documents.active()->changed);
    }

    // The largest line number fits the number margin, seven digits as well as two, and typing lines in
    // widens it.
    void the_number_margin_holds_the_largest_line_number() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, QByteArray("x\n").repeated(999999));
        const auto fits = [&](const char* number) {
            const long needed = edit.SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH, QsciScintillaBase::STYLE_LINENUMBER, number);
            return edit.marginWidth(EditTextWidget::number_margin) >= needed;
        };
        QVERIFY(fits("999999"));
        edit.set_selection(edit.length(), 0);
        edit.replace_selection(QStringLiteral("\nlast"));
        QCOMPARE(edit.line_count(), 1000001);
        QVERIFY(fits("1000001"));
    }

    void batch_mode_puts_the_view_back_and_does_not_nest() {
        AppFixture f;
        EditTextWidget& edit = editor_with(f, hundred_lines().toUtf8());
        edit.resize(400, 200);
        ProgressBar& bar = f.window->progress();
        edit.set_selection(5, 2);
        bar.open_bar(QStringLiteral("first"), 0);
        edit.set_selection(7, 3);
        edit.scroll_lines(60);
        const int top = edit.first_visible_line();
        QVERIFY(top > 0);
        bar.open_bar(QStringLiteral("second"), 0);  // overwrites what the first kept
        QVERIFY(!edit.isEnabled());
        edit.set_selection(0, 0);
        bar.close_bar();
        QVERIFY(edit.isEnabled());
        QCOMPARE(edit.selection_start(), 7);
        QCOMPARE(edit.selection_length(), 3);
        QCOMPARE(edit.first_visible_line(), top);
        // The text became too short to show the kept line: the view stops where it can.
        bar.open_bar(QStringLiteral("shrink"), 0);
        edit.set_text(QStringLiteral("short\r\ntext"));
        bar.close_bar();
        QCOMPARE(edit.first_visible_line(), 0);
        QVERIFY(!f.ws->window.tabs_updating);
    }
};

TAMSEL_TEST(TypingWidgetTest)
#include "typing_widget_test.moc"
