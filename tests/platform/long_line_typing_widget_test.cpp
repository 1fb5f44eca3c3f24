// Typing on a long line goes in without the control's layout per key, and must still give what typing
// gives on a short line: the same text, caret and undo step, the view following the caret, the column a
// move down keeps.
#include "platform/memory_buffer.h"
#include "platform/scintilla_editor_widget.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;

namespace {

// A line of the length asked for, with two- and four-byte characters among the letters.
QString line_of(qsizetype length) {
    QString line;
    while (line.size() < length) line += QString::fromUtf8("abc \xC3\xA9 <B>x</B> \xF0\x9F\x98\x80 ");
    return line.left(length);
}

// Each character as a key press of its own, as a keyboard sends it.
void type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        const bool letter = c.unicode() < 128 && c.isLetter();
        const auto key = letter ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A')) : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
    }
}

struct Typed {
    QString text;
    qsizetype caret = 0;
    int undo_steps = 0;  // undos back to the text as loaded
};

// Types text over the selection at..at+selected of line as loaded, then undoes it.
Typed typed_into(const QString& line, qsizetype at, int selected, bool overtype, const QString& text) {
    ScintillaEditorWidget edit;
    edit.set_loaded_text(line);
    edit.set_selection(at, selected);
    edit.setOverwriteMode(overtype);
    type(edit, text);
    Typed result{edit.text(), edit.selection_start(), 0};
    while (edit.can_undo() && result.undo_steps < 10) {
        edit.undo();
        ++result.undo_steps;
    }
    return edit.text() == line ? result : Typed{};
}

}  // namespace

class LongLineTypingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typing_gives_what_it_gives_on_a_short_line_data() {
        QTest::addColumn<int>("caret");  // -1: at the end of the line
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("overtype");
        QTest::addColumn<QString>("typed");
        QTest::newRow("at the end") << -1 << 0 << false << QStringLiteral("ab c");
        QTest::newRow("in the middle, capitals and accents") << 101 << 0 << false << QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC!");
        QTest::newRow("over a selection") << 40 << 8 << false << QStringLiteral("xy");
        QTest::newRow("overtyping") << 20 << 0 << true << QStringLiteral("XYZ");
    }
    void typing_gives_what_it_gives_on_a_short_line() {
        QFETCH(int, caret);
        QFETCH(int, selected);
        QFETCH(bool, overtype);
        QFETCH(QString, typed);
        const QString short_line = line_of(200);
        const QString long_line = line_of(300000);
        const Typed on_short = typed_into(short_line, caret < 0 ? short_line.size() : caret, selected, overtype, typed);
        const Typed on_long = typed_into(long_line, caret < 0 ? long_line.size() : caret, selected, overtype, typed);
        const qsizetype at = caret < 0 ? long_line.size() : caret;
        QString expected = long_line;
        expected.replace(at, overtype ? typed.size() : selected, typed);
        QCOMPARE(on_long.text, expected);
        QCOMPARE(on_long.caret, at + typed.size());
        QCOMPARE(on_long.undo_steps, on_short.undo_steps);
        QVERIFY(on_long.undo_steps > 0);
        // Typed at the end of the line, the short line gives the same ending.
        if (caret < 0) QCOMPARE(on_short.text.right(typed.size()), typed);
    }

    // After typing at the end of a long line the view has scrolled to the caret, once the keys are in.
    void the_view_follows_the_caret() {
        ScintillaEditorWidget edit;
        edit.resize(400, 200);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.set_loaded_text(line_of(300000));
        edit.set_selection(edit.length(), 0);
        edit.SendScintilla(QsciScintillaBase::SCI_SETXOFFSET, 0UL);
        type(edit, QStringLiteral("abc"));
        QTRY_VERIFY(edit.SendScintilla(QsciScintillaBase::SCI_GETXOFFSET) > 0);
        const long caret = edit.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
        const long x = edit.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, caret);
        QVERIFY2(x >= 0 && x < edit.viewport()->width(), "the caret is outside the view");
    }

    // A move down right after typing keeps the column the typed text left the caret in.
    void a_move_down_keeps_the_typed_column() {
        const QString line = QString(300000, QLatin1Char('m'));
        ScintillaEditorWidget edit;
        edit.show();
        edit.set_loaded_text(line + QLatin1Char('\n') + line);
        edit.set_selection(10, 0);
        type(edit, QStringLiteral("abc"));
        QTest::keyClick(&edit, Qt::Key_Down);
        QCOMPARE(edit.selection_start(), line.size() + 3 + 1 + 13);
    }
};

TAMSEL_TEST(LongLineTypingTest)
#include "long_line_typing_widget_test.moc"
