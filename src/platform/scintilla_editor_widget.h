#pragma once
// The editor control: QScintilla behind the EditorBuffer interface. Positions that logic sees are
// characters of the text (UTF-16 code units, as QString counts them); QScintilla counts UTF-8 bytes, so
// every position is converted here, through the control's line index so that a conversion costs one line
// at most. Colours are styles of the control, one style per colour value. As a TextHost it keeps one
// QScintilla document per open document and swaps them in: text, undo history and colours stay with each.
#include "platform/document_text.h"
#include "platform/editor_buffer.h"
#include "platform/text_codec.h"

#include <Qsci/qsciscintilla.h>
#include <QHash>
#include <vector>

namespace tamsel {

class ScintillaEditorWidget : public QsciScintilla, public EditorBuffer, public TextHost {
    Q_OBJECT
public:
    explicit ScintillaEditorWidget(QWidget* parent = nullptr);
    ~ScintillaEditorWidget() override;

    QString text() const override;
    qsizetype length() const override;
    QString text_range(qsizetype start, qsizetype length) const override;
    void set_text(const QString& text) override;
    void set_loaded_text(QString text) override;
    void set_loaded_utf8(QByteArray bytes) override;

    qsizetype selection_start() const override;
    qsizetype selection_length() const override;
    void set_selection(qsizetype start, qsizetype length) override;
    QString selected_text() const override;
    void replace_selection(const QString& text) override;

    qsizetype find(const QString& what, qsizetype from, FindOptions options) override;

    int line_count() const override;
    int line_of(qsizetype position) const override;
    qsizetype line_start(int line) const override;
    int first_visible_line() const override;
    void scroll_lines(int n) override;

    void apply_colours(const QList<ColourRun>& runs) override;
    void colour_stretch(qsizetype start, qsizetype length, const QList<ColourRun>& runs, ColourValue rest) override;
    QList<ColourRun> colour_runs() const override;

    bool can_undo() const override;
    void undo() override;
    void redo() override;
    void clear_undo() override;
    bool modified_since_save() const override { return SendScintilla(SCI_GETMODIFY) != 0; }
    void set_save_point() override { setModified(false); }
    void begin_undo_step() override { beginUndoAction(); }
    void end_undo_step() override { endUndoAction(); }

    void begin_batch() override;
    void end_batch() override;

    // The line end that Enter inserts.
    void set_line_ends(LineEnds ends);
    LineEnds line_ends() const { return line_ends_; }
    void set_font_size(int points);

    // TextHost
    std::unique_ptr<DocumentText> new_text() override;
    void show_text(DocumentText* text) override;
    EditorBuffer& editor() override { return *this; }

    // The character position of the caret (the end of a selection that the caret is at).
    qsizetype caret() const;

    // Byte position of a character position and back.
    long to_byte(qsizetype position) const;
    qsizetype to_char(long byte) const;

    // The control's change notices that reach the program: the text ones only while an accessibility
    // client listens (the control's own accessibility work on each counts from the start of the text).
    static unsigned long change_notices();

Q_SIGNALS:
    // The text has changed: sent once after a key, a click, a drop or an edit through this interface, with
    // the lines the changes touched (from 0, as they stood when each change was made) and the characters
    // from the first change to the end of the last one, in the text as it is now.
    void text_edited(int first_line, int last_line, qsizetype from, qsizetype to);
    // The caret has moved (by a key, a click, an edit or a call).
    void caret_moved();

public:
    // What an input method may ask about the text around the caret is answered from at most a few hundred
    // characters of its line: the control's own answer reads from the start of the paragraph, which in a
    // page without blank lines is the start of the text, on every key.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // A change is about to be made (the control tells before inserting or deleting): its lines are noted,
    // and the report goes out once the key, click or call that made it is done.
    void listen_for_changes();
    void follow_caret();
    void fit_position_cache();
    void change_coming(int position, int type, int length);
    void report_edits();
    void begin_loading();
    void end_loading();
    bool types_on_long_line(const QKeyEvent& event) const;
    void show_typed_caret();

    long walk_units(long from, qsizetype units) const;
    const char* range_pointer(long from, long to) const;
    qsizetype to_char_on_line(long line, long line_byte, qsizetype line_char, long byte) const;

    // What a document of the control must have set, whichever document it is.
    void prepare_document();
    int style_for(ColourValue colour);
    // The style numbers of the bytes from to to.
    std::vector<char> styles(long from, long to) const;
    void style_font(int style);

    QHash<ColourValue, int> style_of_colour_;
    QList<ColourValue> colour_of_style_;  // by style number; style 0 is the plain black of new text
    int font_points_ = 10;
    bool fonts_set_ = false;
    LineEnds line_ends_ = LineEnds::CrLf;
    bool had_focus_ = false;
    int batch_depth_ = 0;
    // The changes not yet reported: their first line, last line, the byte the first begins at and the byte
    // the last ends at, moved along by the changes made before it.
    int edited_first_ = -1;
    int edited_last_ = -1;
    long changed_from_ = -1;
    long changed_end_ = -1;
    bool report_posted_ = false;
    long caret_byte_ = -1;
    bool caret_to_show_ = false;  // typed on a long line; the view follows once the keys waiting are in
    long position_cache_ = 1024;  // entries of the control's cache of measured stretches
    // A point of a long line whose byte and character positions are known; a change before it forgets it.
    struct KnownPoint {
        long line = -1;
        long byte = 0;
        qsizetype ch = 0;
    };
    static constexpr long short_line = 4096;  // bytes into a line that are walked from its start
    mutable KnownPoint known_;
};

}  // namespace tamsel
