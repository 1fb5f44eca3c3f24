#include "platform/system_clipboard_widget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tamsel {

SystemClipboard::SystemClipboard() {
    changed_ = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [this] { update(); });
    update();
}

SystemClipboard::~SystemClipboard() { QObject::disconnect(changed_); }

void SystemClipboard::update() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    has_text_ = data && data->hasText() && !data->text().isEmpty();
}

QString SystemClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void SystemClipboard::set_text(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    update();
}

}  // namespace tamsel
