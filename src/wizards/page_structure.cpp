#include "wizards/page_structure.h"

#include <algorithm>

namespace tamsel {
namespace {

constexpr FindOptions quietly{false, false, false};

// Whether position stands between the CR and the LF of one line end.
bool splits_line_end(EditorBuffer& editor, qsizetype position) {
    return position > 0 && position < editor.length() && editor.find(QStringLiteral("\r\n"), position - 1, quietly) == position - 1;
}

// Puts the caret at position (kept within the text) and inserts text there, following tracked.
void insert_at(EditorBuffer& editor, qsizetype position, const QString& text, qsizetype& tracked) {
    editor.set_selection(std::clamp<qsizetype>(position, 0, editor.length()), 0);
    insert_tracked(editor, text, tracked);
}

}  // namespace

TagMatch find_tag(EditorBuffer& editor, const QString& what, qsizetype from) {
    TagMatch match;
    match.at = editor.find(what, std::max<qsizetype>(from, 0), quietly);
    if (match.at >= 0) match.close = editor.find(QStringLiteral(">"), match.at, quietly);
    return match;
}

void insert_tracked(EditorBuffer& editor, const QString& text, qsizetype& tracked) {
    const qsizetype start = editor.selection_start();
    const qsizetype end = start + editor.selection_length();
    // A position after the replaced stretch moves by what the stretch grew; one at or inside it ends up
    // after the new text.
    if (tracked >= end) tracked += text.size() - (end - start);
    else if (tracked >= start) tracked = start + text.size();
    editor.replace_selection(text);
}

void config_basic_html(PageEditor& page, qsizetype& tracked) {
    EditorBuffer& e = page.editor;
    const QString& eol = page.line_end;
    EditStep step(e);
    TagMatch html = find_tag(e, QStringLiteral("<html"));
    if (html.at < 0) {
        insert_at(e, 0, QStringLiteral("<HTML>"), tracked);
        html = find_tag(e, QStringLiteral("<html"));
    }
    TagMatch head = find_tag(e, QStringLiteral("<head"));
    if (head.at < 0) {
        insert_at(e, html.close + 1, eol + QStringLiteral("<HEAD>"), tracked);
        head = find_tag(e, QStringLiteral("<head"));
    }
    if (find_tag(e, QStringLiteral("</head")).at < 0) insert_at(e, head.close + 1, eol + QStringLiteral("</HEAD>"), tracked);
    // "<frame" also finds a frameset's start tag: a frameset page has no body.
    if (find_tag(e, QStringLiteral("<frame")).at < 0) {
        if (find_tag(e, QStringLiteral("<body")).at < 0)
            insert_at(e, find_tag(e, QStringLiteral("</head")).close + 1, eol + QStringLiteral("<BODY>") + eol, tracked);
        if (find_tag(e, QStringLiteral("</body")).at < 0) insert_at(e, e.length(), eol + QStringLiteral("</BODY>"), tracked);
    }
    if (find_tag(e, QStringLiteral("</html")).at < 0) insert_at(e, e.length(), eol + QStringLiteral("</HTML>"), tracked);
}

void insert_in_head(PageEditor& page, const QString& text) {
    EditorBuffer& e = page.editor;
    const TagMatch head = find_tag(e, QStringLiteral("<head"));
    const TagMatch head_end = find_tag(e, QStringLiteral("</head"));
    TagMatch title = find_tag(e, QStringLiteral("</title"));
    // A title after the head's end is no title of the page (an inline SVG has titles of its own): head
    // content never goes into the body.
    if (head_end.at >= 0 && title.at > head_end.at) title = {};
    const qsizetype at = std::max(head.close, title.close) + 1;
    e.set_selection(std::clamp<qsizetype>(at, 0, e.length()), 0);
    e.replace_selection(text + page.line_end);
}

void clamp_to_element(EditorBuffer& editor, QStringView name, qsizetype& position) {
    const QString tag = name.trimmed().toString().toLower();
    const qsizetype start_close = find_tag(editor, QLatin1Char('<') + tag).close;
    const qsizetype end_at = find_tag(editor, QStringLiteral("</") + tag).at;
    if (end_at <= start_close) return;
    if (position > end_at) position = end_at - 1;
    else if (position < start_close) position = start_close + 1;
    // The end of the last line before the end tag is before its whole line end, not inside it.
    if (splits_line_end(editor, position)) --position;
}

void OutputBuffer::append_output_line(const QString& line, bool& flush) {
    buffer_ += line;
    buffer_ += page_.line_end;
    if (buffer_.size() > flush_threshold) flush = true;
    if (!flush) return;
    if (tracked_) insert_tracked(page_.editor, buffer_, *tracked_);
    else page_.editor.replace_selection(buffer_);
    buffer_.clear();
}

EditStep::EditStep(EditorBuffer& editor)
    : editor_(editor), sel_start_(editor.selection_start()), sel_length_(editor.selection_length()),
      top_line_(editor.first_visible_line()) {
    editor_.begin_batch();
    editor_.begin_undo_step();
}

EditStep::~EditStep() {
    editor_.end_undo_step();
    editor_.set_selection(sel_start_, sel_length_);
    editor_.end_batch();
    // Scroll back to the kept first line; when the text became shorter the view stops short of it.
    while (editor_.first_visible_line() != top_line_) {
        const int before = editor_.first_visible_line();
        editor_.scroll_lines(top_line_ - before);
        if (editor_.first_visible_line() == before) break;
    }
}

void EditStep::leave_caret_at(qsizetype position) {
    sel_start_ = position;
    sel_length_ = 0;
}

}  // namespace tamsel
