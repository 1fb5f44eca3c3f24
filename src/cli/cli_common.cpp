#include "cli/cli_common.h"

#include "cli/problem_lines.h"
#include "platform/paths.h"
#include "wizards/wizard_settings.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>

namespace tamsel::cli {

Answer ConsoleDialogs::message_box(const MessageRequest& request) {
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    err() << "tamsel: " << text << Qt::endl;
    return (request.buttons == Buttons::YesNo || request.buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
}

bool ConsoleDialogs::start_program(const QString& program, const QStringList& arguments, bool wait) {
    if (!wait) return QProcess::startDetached(program, arguments);
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted()) return false;
    p.waitForFinished(-1);
    return true;
}

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QFileInfo program_file() {
    // Most commands run without an application object (see main), so the tool asks the kernel which file it
    // runs.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

QString cannot_read(const QString& path) {
    const QFileInfo info(path);
    QString reason;
    if (info.isDir()) {
        reason = QStringLiteral("it is a folder");
    } else if (info.exists() && !info.isFile()) {
        reason = QStringLiteral("it is not a regular file");
    } else {
        QFile file(path);
        reason = file.open(QIODevice::ReadOnly) ? QStringLiteral("read error") : file.errorString();
    }
    return QStringLiteral("tamsel: cannot read '%1': %2").arg(escaped_for_terminal(path), reason);
}

QByteArray read_standard_input() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) return {};
    return in.readAll();
}

bool wants_help(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

CommonOptions parse_common(const QStringList& args) {
    CommonOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--data") || a == QLatin1String("--set")) {
            if (i + 1 >= args.size()) {
                o.error = a + QStringLiteral(" needs a value");
                return o;
            }
            const QString value = args[++i];
            if (a == QLatin1String("--data")) {
                o.data_dir = value;
                continue;
            }
            const qsizetype eq = value.indexOf(QLatin1Char('='));
            const QString key = value.left(eq);
            // A wizard's setting is stored under its own name, a configuration key with its prefix.
            if (eq > 0 && find_wizard_setting(key)) {
                o.overrides.insert(key, value.mid(eq + 1));
            } else if (eq > 0 && ConfigTable::slot_of(key) != 0) {
                o.overrides.insert(QStringLiteral("config_") + key, value.mid(eq + 1));
            } else {
                o.error = QStringLiteral("--set takes KEY=VALUE with a configuration or wizard key, not '%1'").arg(value);
                return o;
            }
        } else {
            o.rest.append(a);
        }
    }
    return o;
}

CliContext::CliContext(const CommonOptions& options, Reads reads) {
    Paths paths;
    paths.start_folder = QDir::currentPath();
    paths.program_data = locate_program_data(program_file().absolutePath());
    paths.user_data = locate_user_data();
    // The commands write no scratch files, so they make no temporary folder (a command run once per file
    // should not pay for one).
    QString database = options.data_dir;
    if (database.isEmpty()) {
        QString error;
        if (!seed_user_data(paths.program_data, paths.user_data, &error)) {
            err() << "tamsel: " << error << Qt::endl;
            return;
        }
        database = paths.user_data;
    }
    user_store_ = std::make_unique<QtSettingsStore>();
    store_ = std::make_unique<OverlaySettingsStore>(*user_store_);
    store_->overrides = options.overrides;
    ws_ = std::make_unique<Workspace>(paths, dialogs_, *store_);
    if (!ws_->db.load_database(database)) {
        err() << "tamsel: " << database << ": " << QString(ws_->db.fatal_message()).replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << Qt::endl;
        return;
    }
    if (reads == Reads::database_and_configuration) ws_->config.load_config(*store_, paths.user_data);
    ok_ = true;
}

bool write_output(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) {
        QFile stdout_file;
        return stdout_file.open(stdout, QIODevice::WriteOnly) && stdout_file.write(bytes) == bytes.size() &&
               stdout_file.flush();
    }
    QString cause;
    if (write_whole_file(path, bytes, &cause)) return true;
    report_cannot_write(path, cause);
    return false;
}

void report_cannot_write(const QString& path, const QString& cause) {
    err() << "tamsel: cannot write '" << escaped_for_terminal(path) << "': " << cause << Qt::endl;
}

QString unwritable_message(const QString& shown, int line, const QString& code, TextEncoding encoding) {
    return QStringLiteral("%1:%2: the character %3 cannot be written in %4; nothing written")
        .arg(shown)
        .arg(line)
        .arg(code, encoding_name(encoding));
}

QString unwritable_character(const QString& text, TextEncoding encoding, const QString& shown) {
    const qsizetype at = first_unencodable(text, encoding);
    return at < 0 ? QString() : unwritable_message(shown, line_at(text, at), character_code(text, at), encoding);
}

}  // namespace tamsel::cli
