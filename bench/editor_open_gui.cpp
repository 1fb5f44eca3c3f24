// Opening a 5 MB page in the editor with colouring on, colouring it again, and switching away from it and
// back (its text and colours go to its scratch file and return).
#include "app/documents.h"
#include "app/master_window.h"
#include "app/workspace.h"
#include "platform/scripted_dialogs.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray large_page(qsizetype bytes) {
    QByteArray page = "<HTML><BODY>\r\n";
    for (int i = 0; page.size() < bytes; ++i) {
        page += "<TR><TD ALIGN=center WIDTH=\"50%\">caf\xC3\xA9 " + QByteArray::number(i) + "</TD><TD><A HREF=\"p" +
                QByteArray::number(i) + ".htm\" TARGET=main>link</A></TD></TR>\r\n";
        if (i % 50 == 0) page += "<!-- row " + QByteArray::number(i) + " -->\r\n";
    }
    return page + "</BODY></HTML>\r\n";
}

double ms(QElapsedTimer& t) {
    const double elapsed = t.nsecsElapsed() / 1e6;
    t.restart();
    return elapsed;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir user, temp, docs;
    for (const QString& base : tamsel::database_base_names())
        QFile::copy(qEnvironmentVariable("TAMSEL_DATA_DIR") + QLatin1Char('/') + base + QStringLiteral(".DB"),
                    user.filePath(base + QStringLiteral(".DB")));
    tamsel::Paths paths;
    paths.user_data = user.path();
    paths.temp = temp.path();
    paths.start_folder = docs.path();
    tamsel::ScriptedDialogs dialogs;
    tamsel::MemorySettingsStore store;
    store.values.insert(QStringLiteral("config_startup_mode"), QStringLiteral("2"));
    tamsel::Workspace ws(paths, dialogs, store);
    tamsel::MasterWindow window(ws, {0, false});
    window.load();
    window.show();

    const QByteArray bytes = large_page(5 * 1024 * 1024);
    const QString page = docs.filePath(QStringLiteral("big.htm"));
    QFile f(page);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return 1;
    f.close();
    const double mb = bytes.size() / (1024.0 * 1024.0);

    QElapsedTimer t;
    t.start();
    window.documents().open_document(page, false);
    const double open_ms = ms(t);
    window.dispatch(QStringLiteral("ID_UpdateSyntaxHighlighting"));
    const double colour_ms = ms(t);
    window.documents().new_document(QStringLiteral("HTM"));
    const double aside_ms = ms(t);
    window.findChild<QTabBar*>(QStringLiteral("project_strip"))->setCurrentIndex(0);
    const double back_ms = ms(t);

    std::printf("open and colour a %.1f MB page: %.0f ms\n", mb, open_ms);
    std::printf("colour it again (Update Syntax Highlighting): %.0f ms, %.1f MB/s\n", colour_ms, mb / (colour_ms / 1000));
    std::printf("switch to another document: %.0f ms; and back: %.0f ms\n", aside_ms, back_ms);
    return ws.documents.active_index() == 1 ? 0 : 1;
}
