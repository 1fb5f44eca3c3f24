// Whole pages through the cleanup: the results on file, and what every cleanup keeps of a page, over the
// golden pages and the real-looking pages of tests/data/pages with the shipped tag database.
#include "analyze/cleanup_formatter.h"
#include "analyze/cleanup_support.h"
#include "analyze/markup_scanner.h"
#include "analyze/page_cleanup.h"
#include "analyze/token_pipe.h"
#include "analyze/scan_support.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace tamsel;
using namespace tamsel::test;

namespace {

QString golden_dir() { return source_dir() + QStringLiteral("/tests/golden/cleanup/"); }

QString page_of(const QString& name) { return QString::fromUtf8(read_bytes(golden_dir() + name + QStringLiteral(".htm"))); }

QString cleaned(const QString& page, const ConfigTable& config) {
    return format_page(tokens_of_page(page), formatter_database(), config);
}

// A page as a user's cleanup makes it: the shipped database, tag names in upper case.
QString user_cleaned(const QString& page, const QString& path, int margin = 80) {
    ConfigTable config;
    config.set_value(tag_case, QStringLiteral("1"));
    config.set_value(right_margin, QString::number(margin));
    return clean_page(page, path, shipped_database(), config);
}

// The characters that are not white space, in lower case; a ";" before a "}" does not count, as the style
// sheet formatter ends every declaration with one.
QString ink(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c.isSpace()) continue;
        if (c == QLatin1Char('}') && out.endsWith(QLatin1Char(';'))) out.chop(1);
        out.append(c.toLower());
    }
    return out;
}

// The JavaScript blocks of a page, in order.
QStringList javascript_blocks(const QString& page) {
    static const QRegularExpression block(QStringLiteral("<script([^>]*)>(.*?)</script"),
                                          QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QStringList blocks;
    for (const QRegularExpressionMatch& m : block.globalMatch(page))
        if (!m.captured(1).contains(QStringLiteral("vb"), Qt::CaseInsensitive)) blocks.append(m.captured(2));
    return blocks;
}

struct NodeRun {
    int exit_code = -1;
    QByteArray output;
};

NodeRun run_node(const QString& node, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(node, args);
    NodeRun run;
    if (!p.waitForFinished(20000)) return run;
    run.exit_code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.output = p.readAll();
    return run;
}

void add_golden_pages() {
    QTest::addColumn<QString>("name");
    for (const QString& file : QDir(golden_dir()).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(file)) << file.chopped(4);
}

// Every page: the golden ones, the correct pages of the checks and the pages made for the cleanup.
void add_all_pages() {
    QTest::addColumn<QString>("path");
    const QStringList folders = {golden_dir(), fixture(QStringLiteral("pages/correct")), fixture(QStringLiteral("pages/cleanup"))};
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList({QStringLiteral("*.htm*"), QStringLiteral("*.asp")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(dir.dirName() + QLatin1Char('/') + file)) << dir.filePath(file);
    }
}

QString page_at(const QString& path) { return QString::fromUtf8(read_bytes(path)); }

// The two-thread cleanup files the one-thread cleanup's problems and gives its layout.
void compare_two_threads_with_one(const QString& page, const QString& path) {
    ConfigTable config;
    config.set_value(tag_case, QStringLiteral("1"));
    ResultList one_results, two_results;
    MetaSlots one_metas, two_metas;
    PageCleanup one(shipped_database(), one_results, one_metas);
    one.scan_text(page, path);
    ConcurrentCleanup two(shipped_database(), two_results, two_metas);
    two.run(page, path, config, LineEnds::Lf);
    QCOMPARE(problems(two_results), problems(one_results));
    QVERIFY(two_results.entries() == one_results.entries());  // the records of the other kinds too
    QCOMPARE(two_results.error_count, one_results.error_count);
    QCOMPARE(two_results.warning_count, one_results.warning_count);
    QCOMPARE(two.take_layout(), one.format(config, LineEnds::Lf));
}

ConfigTable upper_case_config() { return formatter_config({{tag_case, "1"}}); }

// The layout of page from its tokens handed on in chunks of 2 to the power bits, in pieces of about
// piece_size characters. The pipe takes every chunk before the layout starts: one thread is enough.
void lay_out_piped(const QString& page, int bits, qsizetype piece_size, const LineSink& sink) {
    TokenPipe pipe(bits);
    ResultList results;
    MetaSlots metas;
    MarkupScanner scanner(formatter_database(), results, metas, AnalyzeMode::cleanup);
    scanner.hand_tokens_to(&pipe);
    scanner.scan_text(page, page.size(), name_of_page(PageKind::html));
    format_piped_page(pipe, formatter_database(), upper_case_config(), u"\r\n", sink, nullptr, piece_size);
}

// A page of many thousands of tokens: the cleanup on two threads hands them on in chunks, and what the
// formatter looks at over a chunk's end must still be there.
QString long_page(const QString& before, const QString& middle, const QString& after, int repeats) {
    return QStringLiteral("<HTML><BODY>\n") + before.repeated(repeats) + middle + after.repeated(repeats) +
           QStringLiteral("</BODY></HTML>\n");
}


}  // namespace

class CleanupGoldenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pages_come_out_as_on_file_data() { add_golden_pages(); }
    void pages_come_out_as_on_file() {
        QFETCH(QString, name);
        const QString out = cleaned(page_of(name), formatter_config({{tag_case, "1"}}));
        const QString expected = QString::fromUtf8(read_bytes(golden_dir() + name + QStringLiteral(".expected")));
        if (out != expected) write_bytes(golden_dir() + name + QStringLiteral(".actual"), out.toUtf8());
        QCOMPARE(out, expected);
    }

    void characters_keep_their_order_data() { add_all_pages(); }
    void characters_keep_their_order() {
        QFETCH(QString, path);
        const QString page = page_at(path);
        QCOMPARE(ink(user_cleaned(page, path, 40)), ink(page));
    }

    void a_second_cleanup_changes_nothing_data() { add_all_pages(); }
    void a_second_cleanup_changes_nothing() {
        // With narrow margins too: a piece a cut leaves must not be cut again.
        QFETCH(QString, path);
        for (const int margin : {1000, 80, 40}) {
            const QString once = user_cleaned(page_at(path), path, margin);
            QCOMPARE(user_cleaned(once, path, margin), once);
        }
    }

    // The cleanup on two threads checks and lays out each page as the one-thread cleanup does, pages with
    // errors included.
    void two_threads_give_what_one_gives_data() {
        add_all_pages();
        const QDir faulty(source_dir() + QStringLiteral("/tests/golden/check"));
        for (const QString& file : faulty.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(QStringLiteral("check/") + file)) << faulty.filePath(file);
    }
    void two_threads_give_what_one_gives() {
        QFETCH(QString, path);
        compare_two_threads_with_one(page_at(path), path);
    }

    void long_pages_on_two_threads_give_what_one_gives_data() {
        QTest::addColumn<QString>("page");
        // The golden pages one after another, over and over: their tokens fill many chunks.
        QString pages;
        for (const QString& file : QDir(golden_dir()).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name))
            pages += page_of(file.chopped(4));
        QTest::newRow("the golden pages again and again") << pages.repeated(int(300000 / (pages.size() + 1)) + 1);
        const QString p = QStringLiteral("<P>a <B>b</B> c\n");
        QTest::newRow("a PRE holding more tokens than a chunk")
            << long_page(p, QStringLiteral("<PRE>") + QStringLiteral("x <B>y</B>\n").repeated(6000) + QStringLiteral("</PRE>"), p, 1000);
        QTest::newRow("server blocks cut at their > across chunk ends")
            << long_page(QStringLiteral("<P>x <% if a > b then c > d %> y\n"), {}, {}, 3000);
        QTest::newRow("tags over two lines in every chunk")
            << long_page(QStringLiteral("<A\nHREF=\"x.htm\"\n  onclick=\"a = 1\n b = 2\">go</A> text\n"), {}, {}, 3000);
        QTest::newRow("text running on through inline tags") << long_page(QStringLiteral("x<B>y</B>z"), {}, {}, 6000);
        QTest::newRow("a PLAINTEXT early on") << long_page(p, QStringLiteral("<PLAINTEXT>"), p, 3000);
        QTest::newRow("scripts and style sheets")
            << long_page(QStringLiteral("<SCRIPT>if (a) { b(); }\n</SCRIPT><STYLE>p{color:red}</STYLE>\n"), {}, {}, 2000);
        QTest::newRow("a tag left open at the end") << long_page(p, {}, {}, 3000) + QStringLiteral("<A HREF=x");
    }
    void long_pages_on_two_threads_give_what_one_gives() {
        QFETCH(QString, page);
        compare_two_threads_with_one(page, QStringLiteral("/site/long.htm"));
    }

    void a_layout_in_pieces_is_the_layout_data() { add_all_pages(); }
    void a_layout_in_pieces_is_the_layout() {
        QFETCH(QString, path);
        const QString page = page_at(path);
        QString joined;
        lay_out_piped(page, 12, 100, [&joined](QStringView piece) {
            QVERIFY(piece.endsWith(u"\r\n"));
            joined += piece;
        });
        QCOMPARE(joined, format_page(tokens_of_page(page), formatter_database(), upper_case_config()));
    }

    // Tokens handed on in chunks of one, two or eight: whatever the formatter looks at across a chunk's
    // end, before or after the token it lays out, is still there.
    void a_layout_from_small_chunks_is_the_whole_layout_data() { add_all_pages(); }
    void a_layout_from_small_chunks_is_the_whole_layout() {
        QFETCH(QString, path);
        const QString page = page_at(path);
        const QString whole = format_page(tokens_of_page(page), formatter_database(), upper_case_config());
        for (const int bits : {0, 1, 3}) {
            QString piped;
            lay_out_piped(page, bits, 1 << 16, [&piped](QStringView piece) { piped += piece; });
            QCOMPARE(piped, whole);
        }
    }

    void a_scan_ahead_of_its_layout_waits_for_it() {
        // Chunks of one token, two of them waiting at most: the scan waits on nearly every token.
        const QString page = long_page(QStringLiteral("<P>a <B>b</B> c\n<PRE>x\n y</PRE>\n"), {}, {}, 500);
        const ConfigTable config = formatter_config({{tag_case, "1"}});
        TokenPipe pipe(0, 2);
        ResultList results;
        MetaSlots metas;
        MarkupScanner scanner(formatter_database(), results, metas, AnalyzeMode::cleanup);
        scanner.hand_tokens_to(&pipe);
        std::thread scan([&] { scanner.scan_text(page, page.size(), name_of_page(PageKind::html)); });
        QString piped;
        format_piped_page(pipe, formatter_database(), config, u"\r\n", [&piped](QStringView piece) { piped += piece; });
        scan.join();
        QCOMPARE(piped, format_page(tokens_of_page(page), formatter_database(), config));
    }

    void a_layout_nobody_takes_is_stopped() {
        // A refused cleanup leaves its layout; the cleanup ends all the same, and at once.
        QString page = QStringLiteral("<HTML><BODY>");
        for (int i = 0; i < 20000; ++i) page += QStringLiteral("<P>Paragraph %1 with <B>bold</B> text</P>\n").arg(i);
        ResultList results;
        MetaSlots metas;
        {
            ConcurrentCleanup cleanup(shipped_database(), results, metas);
            cleanup.run(page, QStringLiteral("page.htm"), ConfigTable(), LineEnds::CrLf);
        }
        QCOMPARE(results.error_count, 2);  // BODY and HTML never closed
    }

    void javascript_parses_and_behaves_as_before_data() { add_all_pages(); }
    void javascript_parses_and_behaves_as_before() {
        QFETCH(QString, path);
        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        if (node.isEmpty()) QSKIP("node is not installed");
        const QString page = page_at(path);
        const QStringList before = javascript_blocks(page);
        const QStringList after = javascript_blocks(user_cleaned(page, path));
        QCOMPARE(after.size(), before.size());
        QTemporaryDir dir;
        for (qsizetype i = 0; i < before.size(); ++i) {
            const QString old_file = dir.filePath(QStringLiteral("before%1.js").arg(i));
            const QString new_file = dir.filePath(QStringLiteral("after%1.js").arg(i));
            QVERIFY(write_bytes(old_file, before[i].toUtf8()) && write_bytes(new_file, after[i].toUtf8()));
            if (run_node(node, {QStringLiteral("--check"), old_file}).exit_code != 0) continue;
            const NodeRun check = run_node(node, {QStringLiteral("--check"), new_file});
            QVERIFY2(check.exit_code == 0, check.output.constData());
            const NodeRun old_run = run_node(node, {old_file});
            if (old_run.exit_code != 0) continue;  // needs a browser
            const NodeRun new_run = run_node(node, {new_file});
            QCOMPARE(new_run.output, old_run.output);
            QCOMPARE(new_run.exit_code, 0);
        }
    }
};

TAMSEL_TEST(CleanupGoldenTest)
#include "cleanup_golden_test.moc"
