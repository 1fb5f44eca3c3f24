#pragma once
// The clipboard as logic sees it: text only. The editor uses the desktop's clipboard, tests a memory one.
#include <QString>

namespace tamsel {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    // Clears the clipboard and puts text on it.
    virtual void set_text(const QString& text) = 0;
    virtual bool has_text() const { return !text().isEmpty(); }
};

class MemoryClipboard : public Clipboard {
public:
    QString held;
    QString text() const override { return held; }
    void set_text(const QString& text) override { held = text; }
};

}  // namespace tamsel
