// Real documents, as word processors and converters write them, imported whole: each case of
// tests/golden/import (<case>.rtf or <case>.txt) against the page checked by hand, <case>.htm. A page
// that differs is left beside it as <case>.actual.
#include "import/import_file.h"
#include "platform/memory_buffer.h"
#include "support/test_registry.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tamsel;

namespace {

QString golden_dir() { return test::source_dir() + QStringLiteral("/tests/golden/import"); }

}  // namespace

class ImportGoldenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void documents_import_as_checked_data() {
        QTest::addColumn<QString>("file");
        const QStringList cases = QDir(golden_dir()).entryList({"*.rtf", "*.txt"}, QDir::Files, QDir::Name);
        QVERIFY(cases.size() >= 5);
        for (const QString& c : cases) QTest::newRow(qPrintable(c)) << c;
    }
    void documents_import_as_checked() {
        QFETCH(QString, file);
        const QString path = golden_dir() + QLatin1Char('/') + file;
        const ImportKind kind = file.endsWith(QLatin1String(".rtf")) ? ImportKind::rtf : ImportKind::text;
        QString error;
        const std::optional<ImportInput> input = read_import_file(kind, path, error);
        QVERIFY2(input, qPrintable(error));
        const std::optional<QString> lines = import_page(*input);
        QVERIFY(lines);
        MemoryBuffer buffer;
        PageEditor page{buffer};
        pour_import_page(page, *lines);

        const QString base = path.left(path.lastIndexOf(QLatin1Char('.')));
        const QByteArray actual = buffer.text().toUtf8();
        const QByteArray expected = test::read_bytes(base + ".htm");
        if (actual != expected) test::write_bytes(base + ".actual", actual);
        else QFile::remove(base + ".actual");
        QCOMPARE(actual, expected);
    }
};

TAMSEL_TEST(ImportGoldenTest)
#include "import_golden_test.moc"
