#pragma once
// The progress of a long operation: two slots, each with a caption, a maximum and the work done. A slot
// tells its listener only when its percentage moved by more than 3 points or reached 100, so a loop may
// advance it for every unit of work.
#include <QString>
#include <array>

namespace tamsel {

class ProgressListener {
public:
    virtual ~ProgressListener() = default;
    virtual void progress_opened(int slot, const QString& caption, bool has_bar) = 0;
    virtual void progress_changed(int slot, int percent) = 0;
    virtual void progress_closed() = 0;
    // Lets pending window events run (the GUI); the command line does nothing here.
    virtual void let_events_run() {}
};

class ProgressModel {
public:
    struct Slot {
        QString caption;
        int maximum = 0;
        int current = 0;
        int percent = 0;
        int shown = 0;
    };

    explicit ProgressModel(ProgressListener* listener = nullptr) : listener_(listener) {}
    void set_listener(ProgressListener* listener) { listener_ = listener; }

    void open_progress(const QString& caption0, int maximum0, const QString& caption1 = {}, int maximum1 = 0);
    void set_progress_maximum(int slot, int maximum);
    void advance_progress(int slot, int amount, bool absolute = false);
    void close_progress();

    bool is_open() const { return open_; }
    const Slot& slot(int i) const { return slots_[i]; }

private:
    ProgressListener* listener_;
    std::array<Slot, 2> slots_;
    bool open_ = false;
};

}  // namespace tamsel
