// Comma-delimited data to a table in MB/s: 10 MB of records (text, quoted fields with commas, quotes and
// line breaks, numbers), 10 MB as one single record, and a million short records; each made into the
// table and poured into a page in memory, and the first through `tamsel csv` as a command.
#include "platform/memory_buffer.h"
#include "wizards/table_generator.h"

#include "bench_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace tamsel;
using bench::run_seconds;

namespace {

constexpr qsizetype ten_mb = 10'000'000;

QString records(qsizetype size) {
    QString csv;
    csv.reserve(size + 200);
    for (int i = 0; csv.size() < size; ++i)
        csv += QStringLiteral("%1,\"Item %1, boxed\",%2.%3,-%4,\"say \"\"hi\"\"\r\non two lines\",,text & <b>%1</b>\r\n")
                   .arg(i).arg(i % 997).arg(i % 100, 2, 10, QLatin1Char('0')).arg(i % 13);
    return csv;
}

QString one_record(qsizetype size) {
    QString csv;
    csv.reserve(size + 20);
    for (int i = 0; csv.size() < size; ++i) csv += QStringLiteral("%1,field %1,").arg(i);
    return csv;
}

QString short_records(int count) {
    QString csv;
    csv.reserve(count * 8);
    for (int i = 0; i < count; ++i) csv += QStringLiteral("%1,x\r\n").arg(i % 1000);
    return csv;
}

void report(const char* what, double mb, double seconds) {
    std::printf("%-44s %6.1f MB %8.3f s %8.1f MB/s\n", what, mb, seconds, mb / seconds);
}

// Makes the table of csv and pours it into a new page; reports both and returns the table's size.
void measure(const char* what, const QString& csv) {
    const double mb = csv.toUtf8().size() / 1e6;
    QElapsedTimer t;
    t.start();
    const QString table = csv_table(csv, TableFields{});
    const double made_s = t.nsecsElapsed() / 1e9;
    MemoryBuffer page;
    PageEditor editor{page};
    t.restart();
    close_table(editor, table);
    const double poured_s = t.nsecsElapsed() / 1e9;
    std::printf("%s: %lld characters of table\n", what, static_cast<long long>(table.size()));
    report("  table made", mb, made_s);
    report("  table made and poured into a page", mb, made_s + poured_s);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString csv = records(ten_mb);
    measure("10 MB of records", csv);
    measure("10 MB in one record", one_record(ten_mb));
    measure("a million short records", short_records(1'000'000));

    const QString cli = qEnvironmentVariable("TAMSEL_CLI");
    if (cli.isEmpty()) return 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.csv"));
    QFile file(path);
    const QByteArray bytes = csv.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return 1;
    file.close();
    report("tamsel csv (command, whole run)", bytes.size() / 1e6,
           run_seconds(cli, {"csv", "--data", qEnvironmentVariable("TAMSEL_DATA_DIR"), path, "-o", dir.filePath(QStringLiteral("out.htm"))}));
    return 0;
}
