#pragma once
// The editor's batch mode around a bulk change of its text or colours: the caret, the selection and the
// first visible line are kept, drawing and input are frozen, and all is put back at the end. Batch mode
// does not nest: a second begin before the end overwrites what was kept.
#include <QStringView>
#include <qglobal.h>

namespace tamsel {

class EditorBuffer;
class ShellView;

class BatchMode {
public:
    BatchMode(EditorBuffer& editor, ShellView& view) : editor_(editor), view_(view) {}

    // tag only names the caller ("colorize", "open_bar").
    void begin_batch(QStringView tag);
    void end_batch(QStringView tag);
    bool active() const { return active_; }

private:
    EditorBuffer& editor_;
    ShellView& view_;
    bool active_ = false;
    qsizetype sel_start_ = 0;
    qsizetype sel_length_ = 0;
    int top_line_ = 0;
};

}  // namespace tamsel
