// How the editor control tells the program that its text changed. The control's accessibility support
// converts the caret's byte position into characters from the start of the text after every insertion,
// deletion and screen update: time that grows with the distance from the start. Without an accessibility
// client none of it runs: the program listens to the notices before each change instead and reports once
// the action is done, and each editor is described by a plain widget interface until a client comes.
#include "platform/scintilla_editor_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>

namespace tamsel {
namespace {

using Sci = QsciScintillaBase;
// The notice after an insertion or deletion. The control lets a notice through when any of its bits is in
// the mask, so the bits that come with it (who made the change, where in an undo step) go as well; the
// notices before a change carry their own bits and still come.
constexpr unsigned long text_notices = Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT | Sci::SC_PERFORMED_USER |
                                       Sci::SC_PERFORMED_UNDO | Sci::SC_PERFORMED_REDO | Sci::SC_MULTISTEPUNDOREDO |
                                       Sci::SC_LASTSTEPINUNDOREDO | Sci::SC_STARTACTION | Sci::SC_MULTILINEUNDOREDO;

// The live editors, told when an accessibility client comes or goes.
class AccessibilityWatch : public QAccessible::ActivationObserver {
public:
    static AccessibilityWatch& instance() {
        static AccessibilityWatch watch;
        return watch;
    }
    void add(ScintillaEditorWidget* editor) { editors_.append(editor); }
    void remove(ScintillaEditorWidget* editor) { editors_.removeAll(editor); }
    void accessibilityActiveChanged(bool active) override {
        for (ScintillaEditorWidget* editor : editors_) {
            editor->SendScintilla(Sci::SCI_SETMODEVENTMASK, ScintillaEditorWidget::change_notices());
            // The interface made while nobody listened goes; the next question gets the control's own.
            if (active) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(editor)));
        }
    }

private:
    // Factories installed later are asked first: this one comes after the control's own.
    AccessibilityWatch() {
        QAccessible::installActivationObserver(this);
        QAccessible::installFactory(&plain_interface);
    }
    // Qt asks for a widget's interface when it is shown, client or not; the control's interface would then
    // count characters on every screen update.
    static QAccessibleInterface* plain_interface(const QString&, QObject* object) {
        auto* editor = qobject_cast<ScintillaEditorWidget*>(object);
        return editor && !QAccessible::isActive() ? new QAccessibleWidget(editor, QAccessible::EditableText) : nullptr;
    }
    QList<ScintillaEditorWidget*> editors_;
};

}  // namespace

unsigned long ScintillaEditorWidget::change_notices() {
    // Style changes are many and nobody listens for them.
    unsigned long notices = Sci::SC_MODEVENTMASKALL & ~static_cast<unsigned long>(Sci::SC_MOD_CHANGESTYLE);
    if (!QAccessible::isActive()) notices &= ~text_notices;
    return notices;
}

void ScintillaEditorWidget::listen_for_changes() {
    SendScintilla(SCI_SETMODEVENTMASK, change_notices());
    AccessibilityWatch::instance().add(this);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                change_coming(position, type, length);
            });
}

ScintillaEditorWidget::~ScintillaEditorWidget() { AccessibilityWatch::instance().remove(this); }

void ScintillaEditorWidget::change_coming(int position, int type, int length) {
    if (!(type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))) return;
    // A change at the known point or after it leaves the characters before the point as they were.
    if (position < known_.byte) known_ = {};
    const int line = static_cast<int>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    edited_first_ = edited_first_ < 0 ? line : std::min(edited_first_, line);
    edited_last_ = std::max(edited_last_, line);
    // The end of the changed text moves with the changes made before it. Its start needs no moving: a
    // change before it becomes the start.
    const bool insert = type & SC_MOD_BEFOREINSERT;
    changed_from_ = changed_from_ < 0 ? position : std::min<long>(changed_from_, position);
    if (changed_end_ >= position)
        changed_end_ = insert ? changed_end_ + length : std::max<long>(position, changed_end_ - length);
    changed_end_ = std::max<long>(changed_end_, insert ? position + length : position);
    // A change made outside the events and calls that report on their own (a timer, say) is reported
    // as soon as the program is back in its event loop.
    if (!report_posted_) {
        report_posted_ = true;
        QMetaObject::invokeMethod(this, [guard = QPointer<ScintillaEditorWidget>(this)] {
            if (guard) guard->report_edits();
        }, Qt::QueuedConnection);
    }
}

void ScintillaEditorWidget::report_edits() {
    report_posted_ = false;
    if (edited_first_ < 0) return;
    const long end = std::min(changed_end_, static_cast<long>(SendScintilla(SCI_GETLENGTH)));
    const long from = std::min(changed_from_, end);
    const int last = std::max(edited_last_, static_cast<int>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(end))));
    const int first = edited_first_;
    edited_first_ = edited_last_ = -1;
    changed_from_ = changed_end_ = -1;
    Q_EMIT text_edited(first, last, to_char(from), to_char(end));
}

QVariant ScintillaEditorWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    constexpr long reach = 256;  // characters on each side of the caret an input method gets to see
    switch (query) {
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
    case Qt::ImSurroundingText:
    case Qt::ImTextBeforeCursor:
    case Qt::ImTextAfterCursor: break;
    default: return QsciScintilla::inputMethodQuery(query);
    }
    const auto send = [this](unsigned int message, long w = 0, long l = 0) {
        return static_cast<long>(SendScintilla(message, static_cast<unsigned long>(w), l));
    };
    const long caret = send(SCI_GETCURRENTPOS);
    const long line = send(SCI_LINEFROMPOSITION, caret);
    const long line_start = send(SCI_POSITIONFROMLINE, line);
    const long line_end = send(SCI_GETLINEENDPOSITION, line);
    // Whole characters: the control steps over them (a step beyond the text answers 0); bytes are at
    // least as many as characters, so a step of as many characters as the line has bytes may overshoot it.
    const long back = send(SCI_POSITIONRELATIVE, caret, -std::min(reach, caret - line_start));
    const long from = std::max(line_start, back);
    const long forward = std::min(reach, line_end - caret);
    const long ahead = forward == 0 ? caret : send(SCI_POSITIONRELATIVE, caret, forward);
    const long to = ahead <= caret ? line_end : std::min(line_end, ahead);
    QByteArray bytes(to - from + 1, '\0');
    struct {
        long min;
        long max;
        char* text;
    } range{from, to, bytes.data()};
    SendScintilla(SCI_GETTEXTRANGE, 0UL, &range);
    bytes.chop(1);
    const QString before = decode_utf8(QByteArrayView(bytes.constData(), caret - from));
    const QString after = decode_utf8(QByteArrayView(bytes.constData() + (caret - from), to - caret));
    switch (query) {
    case Qt::ImCursorPosition: return before.size();
    case Qt::ImAnchorPosition: {
        const long anchor = send(SCI_GETANCHOR);
        if (anchor < from || anchor > to) return before.size();
        return decode_utf8(QByteArrayView(bytes.constData(), anchor - from)).size();
    }
    case Qt::ImTextBeforeCursor: return before;
    case Qt::ImTextAfterCursor: return after;
    default: return before + after;
    }
}

bool ScintillaEditorWidget::event(QEvent* event) {
    const bool handled = QsciScintilla::event(event);
    report_edits();
    return handled;
}

bool ScintillaEditorWidget::viewportEvent(QEvent* event) {
    const bool handled = QsciScintilla::viewportEvent(event);
    report_edits();
    return handled;
}

}  // namespace tamsel
