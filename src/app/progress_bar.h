#pragma once
// The progress panel as long operations of the editor use it: while it is open the editor is in batch
// mode, the busy pointer shows, and tab clicks and commands are ignored (tabs_updating).
#include <QString>

namespace tamsel {

class BatchMode;
class ProgressModel;
class ShellView;
struct WindowState;

class ProgressBar {
public:
    ProgressBar(ProgressModel& model, BatchMode& batch, WindowState& state, ShellView& view)
        : model_(model), batch_(batch), state_(state), view_(view) {}

    void open_progress(const QString& caption0, int maximum0, const QString& caption1, int maximum1);
    // One bar: batch mode first, then the panel with the caption and the maximum.
    void open_bar(const QString& caption, int maximum);
    void step_bar(int amount, bool absolute = false);
    // Hides the panel, ends batch mode, refreshes the view and the gutter.
    void close_bar();

private:
    ProgressModel& model_;
    BatchMode& batch_;
    WindowState& state_;
    ShellView& view_;
};

}  // namespace tamsel
