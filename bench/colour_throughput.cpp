// How fast the colouring engine colours a large page: the runs of a 5 MB page, in MB/s.
#include "colour/colorize.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// Rows of a table with attributes, quoted values, text beyond ASCII, a comment now and then.
QString large_page(qsizetype bytes) {
    QString page = QStringLiteral("<HTML><BODY>\r\n");
    for (int i = 0; page.size() < bytes; ++i) {
        page += QStringLiteral("<TR><TD ALIGN=center WIDTH=\"50%\">caf\u00E9 %1</TD><TD><A HREF=\"p%1.htm\" TARGET=main>link</A></TD></TR>\r\n").arg(i);
        if (i % 50 == 0) page += QStringLiteral("<!-- row %1 -->\r\n").arg(i);
    }
    return page + QStringLiteral("</BODY></HTML>\r\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString page = large_page(5 * 1024 * 1024);
    const tamsel::ColourScheme scheme{0, 1, 2, 3, 4, 5};
    constexpr int rounds = 5;
    qsizetype runs = 0;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i) {
        tamsel::ColouringState state;
        runs = tamsel::colorize(page, 1, -1, scheme, state).runs.size();
    }
    const double seconds = t.nsecsElapsed() / 1e9 / rounds;
    const double mb = page.toUtf8().size() / (1024.0 * 1024.0);
    std::printf("colorize: %.1f MB page in %.1f ms, %.1f MB/s (%lld runs)\n", mb, seconds * 1000, mb / seconds,
                static_cast<long long>(runs));
    return 0;
}
