#pragma once
// EditText: the editor of the main window with the system's typing rules on top of the control's own
// editing: Tab as spaces, Ctrl+Enter and Ctrl+Space, the clipboard letters through the dispatcher, Home
// and End to the ends of the document, the double-click on a tag or a word, the line-number and bookmark
// margins.
#include "platform/scintilla_editor_widget.h"

namespace tamsel {

class EditTextWidget : public ScintillaEditorWidget {
    Q_OBJECT
public:
    static constexpr int number_margin = 0;
    static constexpr int bookmark_margin = 1;
    static constexpr int bookmark_marker = 1;

    explicit EditTextWidget(QWidget* parent = nullptr);

    void set_tab_width(int width) { tab_width_ = width; }
    void set_line_numbers_shown(bool shown);
    void show_text(DocumentText* text) override;
    // Marks the bookmarked lines (1-based).
    void show_bookmarks(const int* lines, int count);

Q_SIGNALS:
    // Enter is about to go in: the preview tracking check runs first.
    void enter_typed();
    // A key or click that may change which commands are enabled.
    void states_may_change();
    // A command id for keys that act as commands (Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+Z).
    void command_key(const QString& id);
    // A double-clicked opening tag, as the property inspector takes it.
    void tag_double_clicked(qsizetype start, qsizetype length, const QString& tag_text);
    void escape_pressed();
    void popup_requested(const QPoint& global_position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool control_key(QKeyEvent* event);
    void fit_number_margin();
    void double_click_action();

    int tab_width_ = 3;
    bool double_clicked_ = false;
    bool numbers_shown_ = true;
    int number_digits_ = 0;  // digits the number margin holds; -1 while it is hidden
};

}  // namespace tamsel
