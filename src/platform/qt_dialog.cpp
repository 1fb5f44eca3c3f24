#include "platform/qt_dialog.h"


#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QAbstractButton>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpressionValidator>
#include <QUrl>
#include <array>

namespace tamsel {
namespace {

struct ButtonSet {
    Buttons buttons;
    QMessageBox::StandardButtons qt;
};

constexpr std::array<ButtonSet, 4> button_sets = {{
    {Buttons::Ok, QMessageBox::Ok},
    {Buttons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel},
    {Buttons::YesNo, QMessageBox::Yes | QMessageBox::No},
    {Buttons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
}};

QMessageBox::Icon qt_icon(Icon icon) {
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer QtDialogs::message_box(const MessageRequest& request) {
    QMessageBox box(qt_icon(request.icon), request.title, request.text, QMessageBox::NoButton, parent_);
    for (const auto& set : button_sets)
        if (set.buttons == request.buttons) box.setStandardButtons(set.qt);
    // Buttons in the order they are named: OK or Yes, then No, then Cancel.
    const QList<QMessageBox::StandardButton> order = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    qsizetype next = 0;
    for (QMessageBox::StandardButton b : order)
        if (QAbstractButton* button = box.button(b); button && next < request.captions.size())
            button->setText(request.captions[next++]);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    // Closing a box without an OK button by the window frame counts as its escape answer.
    return request.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> QtDialogs::file_dialog(const FileRequest& request) {
    QFileDialog dialog(parent_, request.title, request.directory);
    dialog.setAcceptMode(request.mode == FileDialogMode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mode == FileDialogMode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (request.filter_index >= 0 && request.filter_index < request.filters.size())
        dialog.selectNameFilter(request.filters[request.filter_index]);
    if (!request.default_suffix.isEmpty()) dialog.setDefaultSuffix(request.default_suffix);
    if (!request.file_name.isEmpty()) dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::folder_dialog(const QString& title, const QString& start) {
    const QString dir = QFileDialog::getExistingDirectory(parent_, title, start);
    if (dir.isEmpty()) return std::nullopt;
    return dir;
}

std::optional<QString> QtDialogs::prompt_line(const QString& prompt, const QString& title, const QString& preset,
                                              InputKind kind) {
    QInputDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("frm_MyInput"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    if (kind == InputKind::Digits) {
        auto* line = dialog.findChild<QLineEdit*>();
        if (line) line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), line));
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

bool QtDialogs::start_program(const QString& program, const QStringList& arguments, bool wait) {
    if (!wait) return QProcess::startDetached(program, arguments);
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    if (!process.waitForStarted()) return false;
    if (process.state() != QProcess::NotRunning) loop.exec();
    return true;
}

bool QtDialogs::open_with_default_handler(const QString& path_or_url) {
    const QUrl url = path_or_url.contains(QStringLiteral("://")) ? QUrl(path_or_url) : QUrl::fromLocalFile(path_or_url);
    return QDesktopServices::openUrl(url);
}

void QtDialogs::beep() { QApplication::beep(); }

}  // namespace tamsel
