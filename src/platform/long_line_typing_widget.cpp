// Typing on a long line. The control lays a changed line out whole to bring the caret into view after every
// typed character: a fifth of a second on a line of 10 MB, so keys typed faster than that fell behind and
// came out one by one seconds later. On such a line a typed character goes in at once, but the view
// follows the caret only when the keys that came in meanwhile are in too: one layout for all of them.
#include "platform/scintilla_editor_widget.h"

#include <QKeyEvent>
#include <QPointer>
#include <algorithm>

namespace tamsel {

namespace {

// Bytes from which a line counts as long: laying it out takes about a millisecond.
constexpr long long_line = 1L << 16;

}  // namespace

// A plain character typed at an empty caret, without overtyping, on a long line. Anything else (a selection
// to replace, a key with Ctrl or Alt, several carets) goes the control's own way.
bool ScintillaEditorWidget::types_on_long_line(const QKeyEvent& event) const {
    const QString text = event.text();
    if (text.isEmpty() || event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (!std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint() || c.isSurrogate(); })) return false;
    const bool plain_caret = SendScintilla(SCI_GETSELECTIONS) == 1 && SendScintilla(SCI_GETSELECTIONEMPTY) != 0;
    if (!plain_caret || SendScintilla(SCI_GETOVERTYPE) != 0 || SendScintilla(SCI_GETREADONLY) != 0) return false;
    const long line = SendScintilla(SCI_LINEFROMPOSITION, SendScintilla(SCI_GETCURRENTPOS));
    return SendScintilla(SCI_LINELENGTH, line) >= long_line;
}

void ScintillaEditorWidget::keyPressEvent(QKeyEvent* event) {
    if (!types_on_long_line(*event)) {
        show_typed_caret();  // a move up or down starts from where the typed text put the caret
        QsciScintilla::keyPressEvent(event);
        return;
    }
    // As the control inserts a typed character (the same undo step as the characters typed before it),
    // without bringing the caret into view.
    const QByteArray bytes = event->text().toUtf8();
    SendScintilla(SCI_ADDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    event->accept();
    if (caret_to_show_) return;
    caret_to_show_ = true;
    QMetaObject::invokeMethod(
        this, [guard = QPointer<ScintillaEditorWidget>(this)] { if (guard) guard->show_typed_caret(); }, Qt::QueuedConnection);
}

void ScintillaEditorWidget::show_typed_caret() {
    if (!caret_to_show_) return;
    caret_to_show_ = false;
    SendScintilla(SCI_SCROLLCARET);
    SendScintilla(SCI_CHOOSECARETX);  // the column a move up or down keeps
}

}  // namespace tamsel
