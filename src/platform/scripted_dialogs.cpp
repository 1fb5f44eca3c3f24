#include "platform/scripted_dialogs.h"

namespace tamsel {
namespace {

// The next scripted path, or a cancelled dialog when the script has run out.
std::optional<QString> take(std::deque<std::optional<QString>>& queue) {
    if (queue.empty()) return std::nullopt;
    const QString path = queue.front().value_or(QString());
    const bool cancelled = !queue.front().has_value();
    queue.pop_front();
    if (cancelled) return std::nullopt;
    return path;
}

}  // namespace

Answer ScriptedDialogs::message_box(const MessageRequest& request) {
    messages.append(request);
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return (request.buttons == Buttons::YesNo || request.buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
}

std::optional<QString> ScriptedDialogs::file_dialog(const FileRequest& request) {
    file_requests.append(request);
    return take(files);
}

std::optional<QString> ScriptedDialogs::folder_dialog(const QString&, const QString&) {
    return take(folders);
}

std::optional<QString> ScriptedDialogs::prompt_line(const QString& prompt, const QString&, const QString&, InputKind) {
    prompts_shown.append(prompt);
    return take(prompts);
}

bool ScriptedDialogs::start_program(const QString& program, const QStringList& arguments, bool wait) {
    programs.append({program, arguments, wait});
    return programs_start;
}

bool ScriptedDialogs::open_with_default_handler(const QString& path_or_url) {
    opened.append(path_or_url);
    return handler_opens;
}

}  // namespace tamsel
