#pragma once
// The desktop's clipboard behind the Clipboard interface. Whether it holds text is remembered from its
// change notices, because asking the desktop on every keystroke would be a round trip each time.
#include "platform/clipboard.h"

#include <QMetaObject>

namespace tamsel {

class SystemClipboard : public Clipboard {
public:
    SystemClipboard();
    ~SystemClipboard() override;
    SystemClipboard(const SystemClipboard&) = delete;
    SystemClipboard& operator=(const SystemClipboard&) = delete;

    QString text() const override;
    void set_text(const QString& text) override;
    bool has_text() const override { return has_text_; }

private:
    void update();

    bool has_text_ = false;
    QMetaObject::Connection changed_;
};

}  // namespace tamsel
