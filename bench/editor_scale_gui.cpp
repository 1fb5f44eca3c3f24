// The main window on large pages: the time until an opened page is coloured and shown, typing at its end
// and in its middle (each key shown, the edited lines coloured again), its peak memory against the file's
// size, switching between two open 50 MB pages, and Update Syntax Highlighting and Cleanup HTML Code on
// 10 MB. Each case runs in a process of its own, so that its peak memory is its own.
// usage: bench_editor_scale_gui [CASE]   (a case name runs that case alone, for a profiler)
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app/workspace.h"
#include "platform/large_blocks.h"
#include "platform/scripted_dialogs.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace tamsel;

namespace {

// The pages bench/pages.py writes, by the names it gives them.
struct Case {
    const char* name;
    const char* page;
};
constexpr Case cases[] = {{"1 MB page", "1_MB_page"},
                          {"10 MB page", "10_MB_page"},
                          {"50 MB page", "50_MB_page"},
                          {"100 MB page", "100_MB_page"},
                          {"10 MB on one line", "10_MB_on_one_line"}};

// The page the script writes into folder (once); empty when it could not.
QString page_file(const QString& folder, const Case& c) {
    QProcess script;
    script.start(QStringLiteral("python3"), {QStringLiteral(TAMSEL_BENCH_DIR "/pages.py"), folder, QString::fromLatin1(c.page)});
    script.waitForFinished(-1);
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(c.page) + QStringLiteral(".htm");
    return script.exitCode() == 0 && QFile::exists(path) ? path : QString();
}

// Peak and current resident memory of this process, in MB.
double memory_mb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

double ms(QElapsedTimer& t) {
    const double elapsed = t.nsecsElapsed() / 1e6;
    t.restart();
    return elapsed;
}

// The window with the shipped database and colouring on, as a user's first start leaves it.
class Bench {
public:
    Bench() {
        for (const QString& base : database_base_names())
            QFile::copy(qEnvironmentVariable("TAMSEL_DATA_DIR") + QLatin1Char('/') + base + QStringLiteral(".DB"),
                        user_.filePath(base + QStringLiteral(".DB")));
        paths_.user_data = user_.path();
        paths_.temp = temp_.path();
        paths_.start_folder = temp_.path();
        store_.values.insert(QStringLiteral("config_startup_mode"), QStringLiteral("2"));
        ws_ = std::make_unique<Workspace>(paths_, dialogs_, store_);
        window_ = std::make_unique<MasterWindow>(*ws_, MasterOptions{0, false});
        window_->load();
        window_->resize(1000, 700);
        window_->show();
        QApplication::processEvents();
        edit_ = window_->findChild<EditTextWidget*>();
        // The edited lines are coloured again with each key, not after a pause: the worst case.
        if (auto* timer = window_->findChild<QTimer*>(QStringLiteral("recolour_timer"))) timer->setInterval(0);
    }

    // Milliseconds until the page is open, coloured and painted.
    double open(const QString& path) {
        QElapsedTimer t;
        t.start();
        window_->documents().open_document(path, false);
        settle();
        return ms(t);
    }

    // Milliseconds per key for 20 keys typed at position, each shown before the next.
    double type_at(qsizetype position) {
        edit_->set_selection(position, 0);
        settle();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 20; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QApplication::sendEvent(edit_, &press);
            QApplication::sendEvent(edit_, &release);
            settle();
        }
        return ms(t) / 20;
    }

    qsizetype length() const { return edit_->length(); }

    double command(const char* id) {
        QElapsedTimer t;
        t.start();
        window_->dispatch(QString::fromLatin1(id));
        settle();
        return ms(t);
    }

    double switch_to(int tab) {
        QElapsedTimer t;
        t.start();
        window_->findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(tab);
        settle();
        return ms(t);
    }

private:
    void settle() {
        QApplication::processEvents();
        edit_->viewport()->repaint();
        QApplication::processEvents();
    }

    QTemporaryDir user_, temp_;
    Paths paths_;
    ScriptedDialogs dialogs_;
    MemorySettingsStore store_;
    std::unique_ptr<Workspace> ws_;
    std::unique_ptr<MasterWindow> window_;
    EditTextWidget* edit_ = nullptr;
};

// One case in this process; prints its line of figures.
int run_case(const QString& name, const QStringList& files) {
    Bench bench;
    const double base = memory_mb("VmRSS:");
    const double file_mb = QFileInfo(files.first()).size() / (1024.0 * 1024.0);
    if (name == QLatin1String("switch")) {
        bench.open(files[0]);
        bench.open(files[1]);
        const double away = bench.switch_to(0);
        const double back = bench.switch_to(1);
        std::printf("%-22s %9.0f ms and back %.0f ms\n", "switch 50 MB pages", away, back);
    } else if (name == QLatin1String("commands")) {
        bench.open(files[0]);
        const double colour = bench.command("ID_UpdateSyntaxHighlighting");
        const double cleanup = bench.command("id_Cleanup_HTML_Code");
        std::printf("%-22s %9.0f ms; Cleanup HTML Code %.0f ms\n", "10 MB: Update Syntax Highlighting", colour, cleanup);
    } else {
        const double open = bench.open(files[0]);
        const double key = bench.type_at(bench.length());
        const double middle = bench.type_at(bench.length() / 2);
        const double peak = memory_mb("VmHWM:") - base;
        std::printf("%-22s %9.0f %12.1f %10.1f %10.0f %8.1fx\n", qPrintable(name), open, key, middle, peak, peak / file_mb);
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    map_large_blocks_apart();  // as the editor does
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args[0] == QLatin1String("--case")) return run_case(args[1], args.mid(2));
    const QString only = args.value(0);

    // The pages go to BENCH_PAGES when it names a folder, to be used again (by bench/editor_peers.sh too).
    QTemporaryDir temporary;
    const QString pages = qEnvironmentVariableIsEmpty("BENCH_PAGES") ? temporary.path() : qEnvironmentVariable("BENCH_PAGES");
    const auto run = [&](const QString& name, const QStringList& files) {
        if (!only.isEmpty() && only != name) return;
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        p.start(app.applicationFilePath(), QStringList{QStringLiteral("--case"), name} + files);
        p.waitForFinished(-1);
    };
    std::printf("%-22s %9s %12s %10s %10s %9s\n", "", "open (ms)", "ms/key end", "middle", "peak (MB)", "per file");
    std::fflush(stdout);
    for (const Case& c : cases) run(QString::fromLatin1(c.name), {page_file(pages, c)});
    const QString fifty = page_file(pages, cases[2]);
    const QString other = temporary.filePath(QStringLiteral("50_MB_copy.htm"));
    QFile::copy(fifty, other);
    run(QStringLiteral("switch"), {fifty, other});
    run(QStringLiteral("commands"), {page_file(pages, cases[1])});
    return 0;
}
