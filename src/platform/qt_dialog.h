#pragma once
// The DialogHost of the desktop program: Qt message boxes, file dialogs and processes.
#include "platform/dialog_host.h"

class QWidget;

namespace tamsel {

class QtDialogs : public DialogHost {
public:
    // Dialogs are parented to the window the provider returns (the main window once it exists).
    void set_parent(QWidget* parent) { parent_ = parent; }

    Answer message_box(const MessageRequest& request) override;
    std::optional<QString> file_dialog(const FileRequest& request) override;
    std::optional<QString> folder_dialog(const QString& title, const QString& start) override;
    std::optional<QString> prompt_line(const QString& prompt, const QString& title, const QString& preset,
                                       InputKind kind = InputKind::Text) override;
    bool start_program(const QString& program, const QStringList& arguments, bool wait) override;
    bool open_with_default_handler(const QString& path_or_url) override;
    void beep() override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace tamsel
