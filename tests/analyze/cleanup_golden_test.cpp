// Whole pages through the cleanup: the results on file, and what every cleanup keeps of a page.
#include "analyze/cleanup_formatter.h"
#include "analyze/cleanup_support.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tamsel;
using namespace tamsel::test;

namespace {

QString golden_dir() { return source_dir() + QStringLiteral("/tests/golden/cleanup/"); }

QString page_of(const QString& name) { return QString::fromUtf8(read_bytes(golden_dir() + name + QStringLiteral(".htm"))); }

QString cleaned(const QString& page, const ConfigTable& config) {
    return format_page(tokens_of_page(page), formatter_database(), config);
}

// The characters that are not white space, in lower case.
QString ink(const QString& text) {
    QString out;
    for (QChar c : text)
        if (!c.isSpace()) out.append(c.toLower());
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

void add_pages() {
    QTest::addColumn<QString>("name");
    for (const QString& file : QDir(golden_dir()).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(file)) << file.chopped(4);
}

}  // namespace

class CleanupGoldenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pages_come_out_as_on_file_data() { add_pages(); }
    void pages_come_out_as_on_file() {
        QFETCH(QString, name);
        const QString out = cleaned(page_of(name), formatter_config({{tag_case, "1"}}));
        const QString expected = QString::fromUtf8(read_bytes(golden_dir() + name + QStringLiteral(".expected")));
        if (out != expected) write_bytes(golden_dir() + name + QStringLiteral(".actual"), out.toUtf8());
        QCOMPARE(out, expected);
    }

    void characters_keep_their_order_data() { add_pages(); }
    void characters_keep_their_order() {
        QFETCH(QString, name);
        const QString page = page_of(name);
        QCOMPARE(ink(cleaned(page, formatter_config({{tag_case, "1"}, {right_margin, "40"}}))), ink(page));
    }

    void a_second_cleanup_changes_nothing_data() { add_pages(); }
    void a_second_cleanup_changes_nothing() {
        // Without margin cuts: a cut line is longer than the margin and would be cut again.
        QFETCH(QString, name);
        const ConfigTable config = formatter_config({{tag_case, "1"}, {right_margin, "1000"}});
        const QString once = cleaned(page_of(name), config);
        QCOMPARE(cleaned(once, config), once);
    }

    void javascript_parses_and_behaves_as_before_data() { add_pages(); }
    void javascript_parses_and_behaves_as_before() {
        QFETCH(QString, name);
        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        if (node.isEmpty()) QSKIP("node is not installed");
        const QString page = page_of(name);
        const QStringList before = javascript_blocks(page);
        const QStringList after = javascript_blocks(cleaned(page, formatter_config()));
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
