#pragma once
// The generic questions to the user and requests to the desktop go through this interface: message boxes,
// file and folder choosers, the one-line prompt, external programs and the desktop's default handler.
// A feature's own forms have interfaces of their own in the feature's folder (see core/form_set.h).
// The GUI uses the Qt implementation, the command line a console one, the tests a scripted one that
// answers as a user would and keeps every message it was shown.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tamsel {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    // Other words for the buttons, in their order (OK or Yes, No, Cancel); the usual ones where none is given.
    QStringList captions = {};
};

enum class FileDialogMode { Open, Save };

// What the one-line prompt lets the user type: any text, or digits only.
enum class InputKind { Text, Digits };

struct FileRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString title;
    QString directory;       // where the dialog starts; empty for the current folder
    QString file_name;       // preset file name
    QStringList filters;     // Qt filters, "HTML Files (*.HTM* *.htm*)"
    int filter_index = 0;    // selected filter, 0-based
    QString default_suffix;  // added when the user types a name without one
};

class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual Answer message_box(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> file_dialog(const FileRequest& request) = 0;
    virtual std::optional<QString> folder_dialog(const QString& title, const QString& start) = 0;
    // frm_MyInput, the one-line prompt: the typed text, or nothing on Cancel.
    virtual std::optional<QString> prompt_line(const QString& prompt, const QString& title, const QString& preset,
                                               InputKind kind = InputKind::Text) = 0;
    // The same where Cancel and an empty answer mean the same: the empty text then.
    QString prompt_input(const QString& prompt, const QString& title, const QString& preset = {}) {
        return prompt_line(prompt, title, preset).value_or(QString());
    }
    // Starts a program with an argument list (never through a shell). With wait set, returns only when
    // the program has ended, keeping the window responsive meanwhile. False when it could not start.
    virtual bool start_program(const QString& program, const QStringList& arguments, bool wait) = 0;
    virtual bool open_with_default_handler(const QString& path_or_url) = 0;
    virtual void beep() = 0;
};

}  // namespace tamsel
