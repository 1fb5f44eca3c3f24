#pragma once
// A DialogHost that answers from a script and records what it was shown; for tests and headless runs.
#include "platform/dialog_host.h"

#include <QList>
#include <deque>

namespace tamsel {

struct ProgramStart {
    QString program;
    QStringList arguments;
    bool wait = false;
};

class ScriptedDialogs : public DialogHost {
public:
    // Answers are taken in order; when the queue is empty a message box answers with its first button
    // (OK or Yes), a file or folder dialog and the prompt are cancelled.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<QString>> prompts;
    bool programs_start = true;
    bool handler_opens = true;  // what open_with_default_handler answers

    QList<MessageRequest> messages;
    QList<FileRequest> file_requests;
    QStringList prompts_shown;  // the prompt texts, in order
    QList<ProgramStart> programs;
    QStringList opened;
    int beeps = 0;

    Answer message_box(const MessageRequest& request) override;
    std::optional<QString> file_dialog(const FileRequest& request) override;
    std::optional<QString> folder_dialog(const QString& title, const QString& start) override;
    std::optional<QString> prompt_line(const QString& prompt, const QString& title, const QString& preset,
                                       InputKind kind = InputKind::Text) override;
    bool start_program(const QString& program, const QStringList& arguments, bool wait) override;
    bool open_with_default_handler(const QString& path_or_url) override;
    void beep() override { ++beeps; }
};

}  // namespace tamsel
