// A document printed into a PDF file reads back with its page headers, dashed lines and numbered lines.
#include "print/print_dialog.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tamsel;

namespace {

// The PDF's text as pdftotext lays it out; pages end with a form feed.
QString pdf_text(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!run.waitForFinished(30000)) return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

}  // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_printout_reads_as_laid_out() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: `make deps` installs poppler-utils");
        QTemporaryDir dir;
        QStringList lines;
        for (int i = 1; i <= 120; ++i) lines.append(QStringLiteral("line %1 of the page").arg(i));
        lines[9] = QString(100, u'a') + QString(100, u'b');  // wider than a page
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        QVERIFY(print_text(printer, lines.join(QStringLiteral("\r\n")), QStringLiteral("/site/index.htm"), QDate(2026, 12, 7)));

        const QString text = pdf_text(dir.filePath(QStringLiteral("out.pdf")));
        const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(text.left(400)));
        for (int p = 0; p < pages.size() - 1; ++p) {
            const QString first = pages[p].trimmed().section(u'\n', 0, 0);
            QVERIFY2(first.startsWith(QStringLiteral("07Dec2026")) && first.contains(QStringLiteral("/SITE/INDEX.HTM")) &&
                         first.endsWith(QStringLiteral("pg. %1").arg(p + 1)),
                     qPrintable(first));
            QVERIFY(pages[p].trimmed().section(u'\n', 1, 1).trimmed().startsWith(QStringLiteral("-----")));
        }
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b1: +line 1 of the page"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b120: +line 120 of the page"))));
        QVERIFY2(!text.contains(QString(100, u'a') + QString(100, u'b')), "a wide line was not carried over");
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b10: +a+\\n"))));
    }

    void a_cancelled_print_dialog_prints_nothing() {
        QtPrintForm form(nullptr);
        QTimer::singleShot(0, [] {
            auto* shown = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            shown->reject();
        });
        QVERIFY(!form.print({QStringLiteral("x"), QStringLiteral("/a.htm")}));
    }
};

TAMSEL_TEST(PrintDialogTest)
#include "print_dialog_test.moc"
