#pragma once
// What every command of `tamsel` shares: options, exit codes, the console's dialog host, the workspace.
#include "app/workspace.h"
#include "platform/dialog_host.h"
#include "platform/text_codec.h"
#include "settings/settings_store.h"

#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>

namespace tamsel::cli {

enum ExitCode : int { exit_done = 0, exit_problems = 1, exit_usage = 2 };

// Messages go to standard error; questions take their first answer (OK or Yes); dialogs are cancelled.
class ConsoleDialogs : public DialogHost {
public:
    Answer message_box(const MessageRequest& request) override;
    std::optional<QString> file_dialog(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> folder_dialog(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> prompt_line(const QString&, const QString&, const QString&, InputKind) override { return std::nullopt; }
    bool start_program(const QString& program, const QStringList& arguments, bool wait) override;
    bool open_with_default_handler(const QString&) override { return false; }
    void beep() override {}
};

QTextStream& out();
QTextStream& err();

// The file of the running program, with its links resolved.
QFileInfo program_file();

// The options every command takes, and what is left of the arguments.
struct CommonOptions {
    QString data_dir;                    // --data DIR
    QHash<QString, QString> overrides;   // --set KEY=VALUE: "config_" + KEY, a wizard key as it is
    QStringList rest;
    QString error;                       // set when the options are wrong
};
CommonOptions parse_common(const QStringList& args);

// What a command reads beside the database. One that reads the database alone (a check, a report) does
// not load the configuration, so the settings are never opened; its workspace's configuration keeps the
// defaults and is not to be read.
enum class Reads { database_and_configuration, database_only };

// A workspace for a command: database from --data (or the user's, seeded), configuration from the store
// with the overrides on top. Fails with a message on standard error and null when the database cannot load.
class CliContext {
public:
    explicit CliContext(const CommonOptions& options, Reads reads = Reads::database_and_configuration);
    bool ok() const { return ok_; }
    Workspace& ws() { return *ws_; }

private:
    ConsoleDialogs dialogs_;
    std::unique_ptr<QtSettingsStore> user_store_;
    std::unique_ptr<OverlaySettingsStore> store_;
    std::unique_ptr<Workspace> ws_;
    bool ok_ = false;
};

// "tamsel: cannot read 'PATH': REASON", the reason as the system gives it ("No such file or directory",
// "it is a folder"), the path written out for a terminal.
QString cannot_read(const QString& path);

// The name a page read from standard input ("-") goes by in messages.
inline const QString stdin_name = QStringLiteral("<stdin>");
// Standard input whole, for a page named "-".
QByteArray read_standard_input();

// Writes bytes to path, replaced as a whole and never half-written, or to standard output when path is
// empty; a failure prints why on standard error.
bool write_output(const QString& path, const QByteArray& bytes);
// The message for a file that could not be written: "tamsel: cannot write 'PATH': CAUSE".
void report_cannot_write(const QString& path, const QString& cause);
// Why text cannot be written in encoding, as one line naming the file as shown, or empty when it can.
QString unwritable_character(const QString& text, TextEncoding encoding, const QString& shown);
// The same message for the character code found at line.
QString unwritable_message(const QString& shown, int line, const QString& code, TextEncoding encoding);

// True when args asks for help ("--help" or "-h").
bool wants_help(const QStringList& args);

// The opening every command shares: "--help" prints the help, then the common options are read and the
// command's own from what is left; wrong options print the help on standard error. Returns the exit
// status when the command ends here, or nothing when it goes on with common and options filled.
template <typename Options>
std::optional<int> begin_command(const QStringList& args, const char* name, const char* help,
                                 Options (*parse)(const QStringList&), CommonOptions& common, Options& options) {
    if (wants_help(args)) {
        out() << help;
        return exit_done;
    }
    common = parse_common(args);
    options = parse(common.rest);
    const QString error = common.error.isEmpty() ? options.error : common.error;
    if (error.isEmpty()) return std::nullopt;
    err() << "tamsel " << name << ": " << error << "\n" << help;
    return exit_usage;
}

}  // namespace tamsel::cli
