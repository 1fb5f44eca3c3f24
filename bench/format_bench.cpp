// Cleanup formatter throughput: a large generated page of tables, text, scripts and style sheets, made into
// a token stream as the scanner makes it, formatted with the shipped tag database.
#include "analyze/cleanup_formatter.h"
#include "platform/scripted_dialogs.h"
#include "settings/config_table.h"
#include "tagdb/tag_database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

class StreamBuilder {
public:
    // One token on a line of its own.
    void line(const QString& token) {
        t.spans.append({t.page.size(), t.page.size() + token.size()});
        t.lines.append(token);
        t.page.append(token).append(QStringLiteral("\r\n"));
    }
    tamsel::TokenStream t;
};

tamsel::TokenStream generated_page(int blocks) {
    StreamBuilder b;
    for (const char* tag : {"<HTML>", "<HEAD>", "<TITLE>", "Generated page", "</TITLE>", "<STYLE>"}) b.line(QString::fromLatin1(tag));
    b.line(QStringLiteral("p { color: red; margin: 0 auto; } td.x{padding:2px 4px; /* cell */ }"));
    b.line(QStringLiteral("</STYLE>"));
    b.line(QStringLiteral("</HEAD>"));
    b.line(QStringLiteral("<BODY bgcolor=\"#FFFFFF\">"));
    for (int i = 0; i < blocks; ++i) {
        b.line(QStringLiteral("<TABLE border=\"0\" width=\"100%\">"));
        for (int r = 0; r < 4; ++r) {
            for (const QString& token : {QStringLiteral("<TR>"), QStringLiteral("<TD class=\"a b\">"),
                                         QStringLiteral("Cell %1 of row %2").arg(i).arg(r), QStringLiteral("</TD>"),
                                         QStringLiteral("</TR>")})
                b.line(token);
        }
        b.line(QStringLiteral("</TABLE>"));
        b.line(QStringLiteral("<P>"));
        b.line(QStringLiteral("A paragraph of ordinary text that runs well beyond the right margin, so that "
                              "the formatter has to cut it at a blank outside quotes, number %1.").arg(i));
        b.line(QStringLiteral("<SCRIPT language=\"JavaScript\">"));
        b.line(QStringLiteral("function f%1(a) { if (a > 1) { return { v: a / 2, s: \"{x}\" }; } return /[{}]/.test(a); }").arg(i));
        b.line(QStringLiteral("var t = `line {%1}`; // done {").arg(i));
        b.line(QStringLiteral("</SCRIPT>"));
        b.line(QStringLiteral("<SCRIPT language=\"VBScript\">"));
        b.line(QStringLiteral("Sub Show%1( x )").arg(i));
        b.line(QStringLiteral("If x = 1 Then MsgBox \"one , two\" , 48 ' note"));
        b.line(QStringLiteral("End Sub"));
        b.line(QStringLiteral("</SCRIPT>"));
    }
    b.line(QStringLiteral("</BODY>"));
    b.line(QStringLiteral("</HTML>"));
    return b.t;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    tamsel::ScriptedDialogs dialogs;
    tamsel::TagDatabase db;
    db.load_database(qEnvironmentVariable("TAMSEL_DATA_DIR"), dialogs);
    const tamsel::ConfigTable config;
    const tamsel::TokenStream tokens = generated_page(20000);
    const double megabytes = tokens.page.toUtf8().size() / 1e6;
    constexpr int rounds = 3;
    qsizetype out_size = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) out_size = tamsel::format_page(tokens, db, config).size();
    const double seconds = timer.nsecsElapsed() / 1e9 / rounds;
    std::printf("cleanup formatter: %.1f MB page, %lld token lines, %.3f s, %.1f MB/s (%lld characters out)\n",
                megabytes, static_cast<long long>(tokens.lines.size()), seconds, megabytes / seconds,
                static_cast<long long>(out_size));
    return db.db_fatal ? 1 : 0;
}
