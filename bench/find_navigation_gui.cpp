// Replace All on a 20 MB page with 500,000 matches, on the text in memory and in the editor widget (one
// undo step each), and the function finder on a page whose scripts declare 10,000 functions and subs,
// also through `tamsel functions`.
#include "find/find_replace.h"
#include "find/function_finder.h"
#include "platform/memory_buffer.h"
#include "platform/scintilla_editor_widget.h"

#include "bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace tamsel;

namespace {

// Rows of about 40 characters, each holding one "<TD>": 500,000 of them make 20 MB.
QString page_with_matches(int matches) {
    QString page;
    page.reserve(qsizetype(matches) * 42);
    for (int i = 0; i < matches; ++i) page += QStringLiteral("<TR><TD>row %1 of the long table</TR>\r\n").arg(i, 7);
    return page;
}

QString page_with_functions(int count) {
    QString page = QStringLiteral("<HTML><HEAD>\r\n<SCRIPT LANGUAGE=\"JavaScript\">\r\n");
    for (int i = 0; i < count / 2; ++i)
        page += QStringLiteral("function handler_%1(event, target) {\r\n  var total = event.x + %1; // submit\r\n  return total;\r\n}\r\n").arg(i);
    page += QStringLiteral("</SCRIPT>\r\n<SCRIPT LANGUAGE=\"VBScript\">\r\n");
    for (int i = 0; i < count / 2; ++i)
        page += QStringLiteral("Sub Button%1_OnClick()\r\n  MsgBox \"Substance %1\"\r\nEnd Sub\r\n").arg(i);
    return page + QStringLiteral("</SCRIPT>\r\n</HEAD></HTML>\r\n");
}

double seconds(QElapsedTimer& t) {
    const double s = t.nsecsElapsed() / 1e9;
    t.restart();
    return s;
}

void replace_in(EditorBuffer& editor, const char* where, const QString& page) {
    QElapsedTimer t;
    t.start();
    const qsizetype count = replace_all(editor, QStringLiteral("<td>"), QStringLiteral("<TD CLASS=cell>"), {});
    const double s = seconds(t);
    editor.undo();
    const bool one_step = editor.text().size() == page.size();
    std::printf("Replace All, %-10s %6.1f MB %8lld replaced %7.3f s  (undone in one step: %s)\n", where,
                page.size() / 1e6, static_cast<long long>(count), s, one_step ? "yes" : "NO");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString page = page_with_matches(500'000);
    MemoryBuffer memory(page);
    replace_in(memory, "in memory", page);
    ScintillaEditorWidget widget;
    widget.set_text(page);
    replace_in(widget, "in editor", page);

    const QString scripts = page_with_functions(10'000);
    QElapsedTimer t;
    t.start();
    const qsizetype found = find_functions(scripts).size();
    std::printf("Function finder %7.1f MB %8lld declarations %7.3f s\n", scripts.size() / 1e6, static_cast<long long>(found), seconds(t));

    const QString cli = qEnvironmentVariable("TAMSEL_CLI");
    if (cli.isEmpty()) return 0;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("scripts.htm")));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(scripts.toUtf8());
    file.close();
    std::printf("tamsel functions (command, whole run)     %7.3f s\n", bench::run_seconds(cli, {"functions", file.fileName()}));
    return 0;
}
