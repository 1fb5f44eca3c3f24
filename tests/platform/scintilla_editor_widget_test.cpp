// The QScintilla editor answers in characters as the memory buffer does, whatever the bytes underneath.
#include "platform/memory_buffer.h"
#include "platform/scintilla_editor_widget.h"
#include "support/test_registry.h"

#include <QAccessible>
#include <QTest>
#include <malloc.h>

using namespace tamsel;

#if defined(__SANITIZE_ADDRESS__)
#define TAMSEL_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMSEL_ADDRESS_SANITIZER
#endif
#endif

namespace {

// Bytes the program holds from the allocator (its heap and its mapped blocks).
std::size_t bytes_in_use() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Two bytes, three bytes, four bytes (two UTF-16 units), CR LF, LF and a lone CR; a U+FEFF first and
// another further on, which a conversion from UTF-8 must keep wherever a stretch begins.
const QString mixed = QString::fromUtf16(u"\uFEFF") +
                      QString::fromUtf8("caf\xC3\xA9 <B>\xE2\x82\xAC</B>\r\n\xF0\x9F\x98\x80 x\xEF\xBB\xBF\ny\rz <I>end</I>");

}  // namespace

class ScintillaEditorWidgetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A page closed gives its memory back however often it was shown and put aside in between.
    void a_closed_page_gives_its_memory_back() {
#ifdef TAMSEL_ADDRESS_SANITIZER
        QSKIP("the sanitizer's allocator keeps its own books; its leak check watches this instead");
#endif
        constexpr std::size_t size = 8 << 20;
        ScintillaEditorWidget edit;
        std::unique_ptr<DocumentText> page = edit.new_text();
        const std::unique_ptr<DocumentText> other = edit.new_text();
        edit.show_text(page.get());
        edit.set_loaded_text(QString(size, QLatin1Char('x')));
        for (int i = 0; i < 3; ++i) {
            edit.show_text(other.get());
            edit.show_text(page.get());
        }
        edit.show_text(other.get());
        const std::size_t before = bytes_in_use();
        page.reset();
        QVERIFY2(bytes_in_use() + size <= before, "the page's text is still held");
    }

    void positions_are_characters_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        for (const auto& [start, length] : {std::pair{0, 4}, {3, 2}, {6, 3}, {11, 6}, {17, 3}, {19, 4}, {20, 3}, {24, 0}, {0, 35}})
            QTest::newRow(qPrintable(QStringLiteral("%1+%2").arg(start).arg(length))) << start << length;
    }
    void positions_are_characters() {
        QFETCH(int, start);
        QFETCH(int, length);
        ScintillaEditorWidget edit;
        MemoryBuffer memory(mixed);
        edit.set_text(mixed);
        QCOMPARE(edit.length(), memory.length());
        edit.set_selection(start, length);
        memory.set_selection(start, length);
        QCOMPARE(edit.selection_start(), memory.selection_start());
        QCOMPARE(edit.selection_length(), memory.selection_length());
        QCOMPARE(edit.selected_text(), memory.selected_text());
        edit.replace_selection(QStringLiteral("\u00FC"));
        memory.replace_selection(QStringLiteral("\u00FC"));
        QCOMPARE(edit.text(), memory.text());
        QCOMPARE(edit.selection_start(), memory.selection_start());
    }

    // Far along a line of many kilobytes, positions come from the last point converted: forward, back,
    // and after an edit before that point, they must still be characters.
    void positions_on_a_long_line_are_characters() {
        QString line;
        for (int i = 0; i < 6000; ++i) line += QString::fromUtf8(i % 7 == 0 ? "\xF0\x9F\x98\x80" : i % 3 == 0 ? "\xC3\xA9" : "ab");
        const QString text = QStringLiteral("first\n") + line + QStringLiteral("\nlast");
        ScintillaEditorWidget edit;
        MemoryBuffer memory(text);
        edit.set_loaded_text(text);
        QVERIFY(!edit.can_undo());
        for (const auto& [start, edit_at] : {std::pair{5000, -1}, {5400, -1}, {4990, -1}, {6000, 10}, {6100, 5990}, {5980, -1}}) {
            if (edit_at >= 0) {  // a three-byte character before or after the last converted point
                edit.set_selection(edit_at, 0);
                memory.set_selection(edit_at, 0);
                edit.replace_selection(QString::fromUtf8("\xE2\x82\xAC"));
                memory.replace_selection(QString::fromUtf8("\xE2\x82\xAC"));
            }
            // Whole characters: the editor cannot split a pair of units.
            const auto whole = [&](int at) { return memory.text().at(at).isLowSurrogate() ? at + 1 : at; };
            const int from = whole(start);
            const int to = whole(from + 3);
            edit.set_selection(from, to - from);
            memory.set_selection(from, to - from);
            QCOMPARE(edit.selection_start(), memory.selection_start());
            QCOMPARE(edit.selected_text(), memory.selected_text());
            QCOMPARE(edit.text_range(whole(from - 2), whole(to + 2) - whole(from - 2)),
                     memory.text_range(whole(from - 2), whole(to + 2) - whole(from - 2)));
            // A position inside a pair is the pair's start, near the last point converted or far from it.
            const int pair = static_cast<int>(memory.text().indexOf(QChar(0xD83D), to));
            for (const int inside : {pair + 1, pair + 1}) {
                edit.set_selection(inside, 0);
                QCOMPARE(edit.selection_start(), pair);
            }
        }
        QCOMPARE(edit.text(), memory.text());
        // The length comes from the index of line starts; the long line last, it must still count characters.
        edit.set_loaded_text(line);
        QCOMPARE(edit.length(), line.size());
    }

    // A stretch of the text gets its colours in one pass, the same as in the memory buffer.
    void a_stretch_is_coloured_whole() {
        ScintillaEditorWidget edit;
        MemoryBuffer memory(mixed);
        edit.set_text(mixed);
        const QList<ColourRun> runs{{6, 3, 0x0000FF}, {11, 4, 0x00FF00}};
        for (EditorBuffer* buffer : std::initializer_list<EditorBuffer*>{&edit, &memory}) {
            buffer->apply_colours({ColourRun{0, mixed.size(), 0x123456}});
            buffer->colour_stretch(4, 16, runs, 0x808080);
        }
        QCOMPARE(edit.colour_runs(), memory.colour_runs());
    }

    // Runs given alone take their colours wherever they begin: after a pair of units, in the middle of the
    // text, at its end.
    void runs_are_coloured_where_they_begin() {
        ScintillaEditorWidget edit;
        MemoryBuffer memory(mixed);
        edit.set_text(mixed);
        const qsizetype pair = mixed.indexOf(QChar(0xD83D));
        for (const QList<ColourRun>& runs : {QList<ColourRun>{{pair + 2, 3, 0x0000FF}, {pair + 6, 2, 0x00FF00}},
                                            QList<ColourRun>{{pair, 2, 0xFF0000}}, QList<ColourRun>{{mixed.size() - 3, 3, 0x00FFFF}}}) {
            for (EditorBuffer* buffer : std::initializer_list<EditorBuffer*>{&edit, &memory}) buffer->apply_colours(runs);
            QCOMPARE(edit.colour_runs(), memory.colour_runs());
        }
    }

    void lines_and_search() {
        ScintillaEditorWidget edit;
        edit.set_text(mixed);
        // Lines end at CR LF, LF and CR alike.
        QCOMPARE(edit.line_count(), 4);
        QCOMPARE(edit.line_start(1), mixed.indexOf(QStringLiteral("\n")) + 1);
        QCOMPARE(edit.line_start(3), mixed.indexOf(QStringLiteral("\r"), 20) + 1);
        QCOMPARE(edit.line_of(edit.line_start(3)), 3);
        QCOMPARE(edit.line_start(9), edit.length());
        QCOMPARE(edit.find(QStringLiteral("<i>"), 0, {}), mixed.indexOf(QStringLiteral("<I>")));
        QCOMPARE(edit.find(QStringLiteral("<i>"), 0, {true, false, false}), -1);
        QCOMPARE(edit.find(QStringLiteral("x"), 0, {false, true, true}), mixed.indexOf(QStringLiteral(" x")) + 1);
        QCOMPARE(edit.selected_text(), QStringLiteral("x"));
    }

    void colours_round_trip() {
        ScintillaEditorWidget edit;
        edit.set_text(mixed);
        const QList<ColourRun> runs = {{5, 3, 0xFF00FF}, {8, 1, 0x0000FF}, {17, 2, 0xFF0000}, {28, 5, 0x00FF00}};
        edit.apply_colours(runs);
        MemoryBuffer memory(mixed);
        memory.apply_colours(runs);
        QCOMPARE(edit.colour_runs(), memory.colour_runs());
        // Text outside the runs keeps its colour.
        edit.apply_colours({{0, 2, 0x123456}});
        memory.apply_colours({{0, 2, 0x123456}});
        QCOMPARE(edit.colour_runs(), memory.colour_runs());
    }

    // A file taken as UTF-8 bytes reads as the same text taken as characters, a NUL byte included.
    void utf8_bytes_load_as_their_text() {
        const QString text = mixed + QChar(0) + QStringLiteral("after");
        ScintillaEditorWidget edit;
        edit.set_loaded_utf8(text.toUtf8());
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.length(), text.size());
        QCOMPARE(edit.selection_start(), 0);
        QVERIFY(!edit.can_undo());
        QVERIFY(!edit.modified_since_save());
    }

    void loaded_text_cannot_be_undone() {
        ScintillaEditorWidget edit;
        edit.set_text(QStringLiteral("first"));
        edit.clear_undo();
        QVERIFY(!edit.can_undo());
        edit.replace_selection(QStringLiteral("x"));
        QVERIFY(edit.can_undo());
        edit.undo();
        QCOMPARE(edit.text(), QStringLiteral("first"));
    }

    // Each report names the lines the changes touched and the characters from the first change to the
    // end of the last, in the text as it is after them.
    void each_change_is_reported_once_with_its_lines_and_characters() {
        using Report = QList<qsizetype>;
        ScintillaEditorWidget edit;
        QList<Report> reports;
        QObject::connect(&edit, &ScintillaEditorWidget::text_edited,
                         [&](int first, int last, qsizetype from, qsizetype to) { reports.append({first, last, from, to}); });
        edit.set_text(QStringLiteral("one\ntwo\nthree\n"));
        QCOMPARE(reports, (QList<Report>{{0, 3, 0, 14}}));  // reported before set_text returns
        reports.clear();
        edit.set_selection(4, 0);
        QTest::keyClick(&edit, Qt::Key_X);
        QCOMPARE(reports, (QList<Report>{{1, 1, 4, 5}}));
        reports.clear();
        edit.set_selection(9, 0);  // the start of "three"
        edit.replace_selection(QStringLiteral("a\nb\n"));
        QCOMPARE(reports, (QList<Report>{{2, 4, 9, 13}}));
        reports.clear();
        edit.undo();
        QCOMPARE(reports, (QList<Report>{{2, 2, 9, 9}}));  // a deletion ends where it begins
        reports.clear();
        edit.set_selection(1, 2);
        edit.replace_selection(QStringLiteral("\u00e9\u20ac\U0001F600"));  // 2 + 3 + 4 bytes, 4 characters
        QCOMPARE(reports, (QList<Report>{{0, 0, 1, 5}}));
        // A change made behind the program's back is reported once the event loop runs; an insertion
        // before an earlier one moves its end along.
        reports.clear();
        edit.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "zero\n");
        edit.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "-");
        QVERIFY(reports.isEmpty());
        QTRY_COMPARE(reports, (QList<Report>{{0, 1, 0, 6}}));
    }

    // Without an accessibility client the control must not convert the caret's position from the start of
    // the text after each change: no notice after a change reaches it, and its interface has no text part.
    void typing_costs_no_accessibility_work_without_a_client() {
        QVERIFY(!QAccessible::isActive());
        ScintillaEditorWidget edit;
        edit.show();
        QList<int> types;
        QObject::connect(&edit, &QsciScintillaBase::SCN_MODIFIED, [&](int, int type) { types.append(type); });
        edit.set_text(QStringLiteral("one\ntwo\n"));
        QTest::keyClick(&edit, Qt::Key_X);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        edit.undo();
        QVERIFY(!types.isEmpty());
        for (const int type : types) QCOMPARE(type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT), 0);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&edit);
        QVERIFY(iface);
        QVERIFY(!iface->textInterface());
    }

    void an_input_method_sees_the_caret_line_only_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("surrounding");
        QTest::addColumn<int>("position");
        QTest::newRow("the caret's line, not the paragraph") << "first\nsecond line\nthird" << 9 << "second line" << 3;
        QTest::newRow("characters, not bytes") << QString::fromUtf8("a\n\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80!") << 6
                                               << QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80!") << 4;
        QTest::newRow("at the end of the text") << "ab\ncd" << 5 << "cd" << 2;
        QTest::newRow("on a long line, a few hundred characters around")
            << QString(5000, QLatin1Char('x')) << 2500 << QString(512, QLatin1Char('x')) << 256;
    }
    void an_input_method_sees_the_caret_line_only() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, surrounding);
        QFETCH(int, position);
        ScintillaEditorWidget edit;
        edit.set_text(text);
        edit.set_selection(caret, 0);
        QCOMPARE(edit.inputMethodQuery(Qt::ImSurroundingText).toString(), surrounding);
        QCOMPARE(edit.inputMethodQuery(Qt::ImCursorPosition).toInt(), position);
        QCOMPARE(edit.inputMethodQuery(Qt::ImAnchorPosition).toInt(), position);
        QCOMPARE(edit.inputMethodQuery(Qt::ImTextBeforeCursor).toString() +
                     edit.inputMethodQuery(Qt::ImTextAfterCursor).toString(), surrounding);
    }
};

TAMSEL_TEST(ScintillaEditorWidgetTest)
#include "scintilla_editor_widget_test.moc"
