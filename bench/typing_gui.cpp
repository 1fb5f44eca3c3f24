// Typing into large pages in the main window's editor: 20 keys at the start and at the end of pages of 1,
// 10 and 50 MB and of a 10 MB page on one line, each key shown before the next. Beside each, the same with
// the control's text-change notices switched on, as they are while an accessibility client listens: the
// control then converts the caret's position from the start of the text on every key.
#include "app/edit_text_widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <cstdio>

using namespace tamsel;

namespace {

QString page_of(qsizetype size, bool one_line) {
    const QString row = QStringLiteral("<TR><TD ALIGN=center WIDTH=\"50%\">caf\u00E9 row</TD><TD><A HREF=\"p.htm\">link</A></TD></TR>") +
                        (one_line ? QString() : QStringLiteral("\r\n"));
    QString page;
    page.reserve(size + row.size());
    while (page.size() < size) page += row;
    return page;
}

// Milliseconds per key for 20 keys typed at position, each painted before the next.
double ms_per_key(EditTextWidget& edit, qsizetype position) {
    edit.set_selection(position, 0);
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 20; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&edit, &press);
        QApplication::sendEvent(&edit, &release);
        edit.viewport()->repaint();
        QApplication::processEvents();
    }
    return t.nsecsElapsed() / 1e6 / 20;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    EditTextWidget edit;
    edit.resize(900, 600);
    edit.show();
    struct Case {
        const char* name;
        qsizetype size;
        bool one_line;
    };
    const Case cases[] = {{"1 MB page", 1 << 20, false},
                          {"10 MB page", 10 << 20, false},
                          {"50 MB page", 50 << 20, false},
                          {"10 MB on one line", 10 << 20, true}};
    std::printf("%-20s %14s %14s   %s\n", "ms per key", "at the start", "at the end", "(with the text notices on)");
    // A case name as the argument runs that case alone (for a profiler).
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const Case& c : cases) {
        if (!only.isEmpty() && only != QLatin1String(c.name)) continue;
        edit.set_text(page_of(c.size, c.one_line));
        const double start = ms_per_key(edit, 0);
        const double end = ms_per_key(edit, edit.length());
        edit.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                           QsciScintillaBase::SC_MODEVENTMASKALL & ~QsciScintillaBase::SC_MOD_CHANGESTYLE);
        const double start_on = ms_per_key(edit, 0);
        const double end_on = ms_per_key(edit, edit.length());
        edit.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, ScintillaEditorWidget::change_notices());
        std::printf("%-20s %14.2f %14.2f   (%.2f, %.2f)\n", c.name, start, end, start_on, end_on);
        std::fflush(stdout);
    }
    return 0;
}
