// Text and RTF import in MB/s: a 7 MB changelog-like text file and a 10 MB RTF document (formatted
// paragraphs, Unicode text, tables, pictures), each made into its page and poured into a new document;
// then the whole `tamsel import` command, and `unrtf --html` on the same RTF file where it is installed.
#include "import/import_file.h"
#include "platform/memory_buffer.h"

#include "bench_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

using namespace tamsel;
using bench::run_seconds;

namespace {

QByteArray changelog(qsizetype size) {
    QByteArray text;
    text.reserve(size + 200);
    for (int i = 0; text.size() < size; ++i) {
        text += "tamsel (" + QByteArray::number(i / 20) + ".0-1) unstable; urgency=medium\n\n";
        for (int j = 0; j < 18; ++j)
            text += "  * Fixed bug #" + QByteArray::number(i * 18 + j) + ": <table> & {braces}   in pages, caf\xc3\xa9.\n";
        text += "\n -- Maintainer <maint@example.org>  Mon, 01 Jan 2001 00:00:00 +0000\n\n";
    }
    return text;
}

QByteArray rtf_document(qsizetype size) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}\n"
                     "{\\colortbl;\\red0\\green0\\blue0;\\red204\\green0\\blue0;}\n{\\*\\generator bench;}\n";
    rtf.reserve(size + 1000);
    const QByteArray picture = "{\\pict\\pngblip\\picw8\\pich8 " + QByteArray(4000, 'a') + "}";
    for (int i = 0; rtf.size() < size; ++i) {
        rtf += "\\pard\\plain\\f0\\fs24 Paragraph " + QByteArray::number(i) +
               " with {\\b bold}, {\\i italic}, {\\ul underlined} and {\\cf2 red} words, caf\\'e9 and "
               "\\u1055?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090? text, \\{braces\\} & <tags>.\\par\n";
        if (i % 50 == 0)
            rtf += "\\trowd\\cellx3000\\cellx9000\\pard\\intbl Name\\cell Value " + QByteArray::number(i) + "\\cell\\row\n";
        if (i % 200 == 0) rtf += picture + "\n";
    }
    return rtf + "}";
}

void report(const char* what, double mb, double seconds) {
    std::printf("%-44s %6.1f MB %8.3f s %8.1f MB/s\n", what, mb, seconds, mb / seconds);
}

void measure(const char* what, ImportKind kind, const QByteArray& bytes) {
    const double mb = bytes.size() / 1e6;
    QElapsedTimer t;
    t.start();
    QString error;
    const std::optional<ImportInput> input = import_input(kind, bytes, QStringLiteral("bench"), error);
    const std::optional<QString> page = import_page(*input);
    const double made_s = t.nsecsElapsed() / 1e9;
    MemoryBuffer buffer;
    PageEditor editor{buffer};
    t.restart();
    pour_import_page(editor, *page);
    const double poured_s = t.nsecsElapsed() / 1e9;
    std::printf("%s: %lld characters of page\n", what, static_cast<long long>(page->size()));
    report("  page made", mb, made_s);
    report("  page made and poured into a document", mb, made_s + poured_s);
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QByteArray text = changelog(7'000'000);
    const QByteArray rtf = rtf_document(10'000'000);
    measure("7 MB changelog (text import)", ImportKind::text, text);
    measure("10 MB RTF document", ImportKind::rtf, rtf);

    QTemporaryDir dir;
    const QString text_path = dir.filePath(QStringLiteral("changelog.txt"));
    const QString rtf_path = dir.filePath(QStringLiteral("document.rtf"));
    if (!write_file(text_path, text) || !write_file(rtf_path, rtf)) return 1;
    const QString out = dir.filePath(QStringLiteral("out.htm"));
    const QString cli = qEnvironmentVariable("TAMSEL_CLI");
    if (!cli.isEmpty()) {
        const QString data = qEnvironmentVariable("TAMSEL_DATA_DIR");
        report("tamsel import text (command, whole run)", text.size() / 1e6,
               run_seconds(cli, {"import", "text", text_path, "--data", data, "-o", out}));
        report("tamsel import rtf (command, whole run)", rtf.size() / 1e6,
               run_seconds(cli, {"import", "rtf", rtf_path, "--data", data, "-o", out}));
    }
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (!unrtf.isEmpty()) report("unrtf --html (whole run)", rtf.size() / 1e6, run_seconds(unrtf, {"--html", rtf_path}));
    else std::printf("unrtf is not installed: `make bench` installs it\n");
    return 0;
}
