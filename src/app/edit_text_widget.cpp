#include "app/edit_text_widget.h"

#include "app/typing_rules.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <array>

namespace tamsel {
namespace {

struct KeyCommand {
    int key;
    QStringView id;
};

constexpr std::array<KeyCommand, 4> clipboard_keys = {{
    {Qt::Key_X, u"id_Edit_Cut"},
    {Qt::Key_C, u"id_Edit_Copy"},
    {Qt::Key_V, u"id_Edit_Paste"},
    {Qt::Key_Z, u"ID_Undo"},
}};

bool is_enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

EditTextWidget::EditTextWidget(QWidget* parent) : ScintillaEditorWidget(parent) {
    setObjectName(QStringLiteral("EditText"));
    setMarginType(number_margin, NumberMargin);
    setMarginType(bookmark_margin, SymbolMargin);
    setMarginWidth(bookmark_margin, 14);
    setMarginSensitivity(bookmark_margin, false);
    markerDefine(Circle, bookmark_marker);
    setMarkerBackgroundColor(QColor(0x20, 0x60, 0xC0), bookmark_marker);
    setCaretLineVisible(true);
    setCaretLineBackgroundColor(QColor(0xF0, 0xF4, 0xFF));
    set_line_numbers_shown(true);
    connect(this, &ScintillaEditorWidget::text_edited, this, &EditTextWidget::fit_number_margin);
}

void EditTextWidget::set_line_numbers_shown(bool shown) {
    numbers_shown_ = shown;
    number_digits_ = 0;
    fit_number_margin();
}

void EditTextWidget::show_text(DocumentText* text) {
    ScintillaEditorWidget::show_text(text);
    fit_number_margin();
}

// The number margin holds the largest line number, six digits at least. Its width is set only when the
// count of digits changes: a new width makes the control lay every line out again.
void EditTextWidget::fit_number_margin() {
    const int digits = numbers_shown_ ? std::max<int>(6, static_cast<int>(QString::number(line_count()).size())) : -1;
    if (digits == number_digits_) return;
    number_digits_ = digits;
    if (digits < 0) setMarginWidth(number_margin, 0);
    else setMarginWidth(number_margin, QString(digits, QLatin1Char('0')));
}

void EditTextWidget::show_bookmarks(const int* lines, int count) {
    markerDeleteAll(bookmark_marker);
    for (int i = 0; i < count; ++i) markerAdd(lines[i] - 1, bookmark_marker);
}

bool EditTextWidget::control_key(QKeyEvent* event) {
    const int key = event->key();
    if (is_enter(key)) {
        insert_at_caret(*this, QStringLiteral("<br>") + line_end_text(line_ends()));
        return true;
    }
    if (key == Qt::Key_Space) {
        insert_at_caret(*this, QStringLiteral("&nbsp;"));
        return true;
    }
    for (const KeyCommand& k : clipboard_keys) {
        if (k.key == key) {
            Q_EMIT command_key(k.id.toString());
            return true;
        }
    }
    return false;
}

void EditTextWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();
    if (mods == Qt::ControlModifier && control_key(event)) return;
    if (key == Qt::Key_Tab && mods == Qt::NoModifier) {
        insert_tab(*this, tab_width_);
        return;
    }
    // Home and End go to the start and the end of the whole document; with Shift they extend the selection.
    if ((key == Qt::Key_Home || key == Qt::Key_End) && !(mods & Qt::AltModifier)) {
        const bool extend = mods & Qt::ShiftModifier;
        SendScintilla(key == Qt::Key_Home ? (extend ? SCI_DOCUMENTSTARTEXTEND : SCI_DOCUMENTSTART)
                                          : (extend ? SCI_DOCUMENTENDEXTEND : SCI_DOCUMENTEND));
        return;
    }
    if (key == Qt::Key_Escape) Q_EMIT escape_pressed();
    if (is_enter(key) && mods == Qt::NoModifier) Q_EMIT enter_typed();
    ScintillaEditorWidget::keyPressEvent(event);
    if (key == Qt::Key_Delete) Q_EMIT states_may_change();
}

void EditTextWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The double-click itself is not passed on: what it selects is decided when the button is released.
    if (event->button() == Qt::LeftButton) {
        double_clicked_ = true;
        event->accept();
        return;
    }
    ScintillaEditorWidget::mouseDoubleClickEvent(event);
}

void EditTextWidget::mouseReleaseEvent(QMouseEvent* event) {
    ScintillaEditorWidget::mouseReleaseEvent(event);
    Q_EMIT states_may_change();
    if (double_clicked_) double_click_action();
}

void EditTextWidget::double_click_action() {
    double_clicked_ = false;
    const Span span = double_click_span(text(), selection_start());
    set_selection(span.start, span.length);
    if (span.is_tag)
        if (const auto tag = inspector_tag_text(selected_text())) Q_EMIT tag_double_clicked(span.start, span.length, *tag);
    Q_EMIT states_may_change();
}

void EditTextWidget::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT popup_requested(event->globalPos());
    event->accept();
}

}  // namespace tamsel
