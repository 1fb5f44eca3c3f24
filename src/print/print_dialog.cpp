#include "print/print_dialog.h"

#include "print/print_layout.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace tamsel {

namespace {

constexpr int number_columns = 7;  // "####0: "

QFont text_font(int points) {
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch()) return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(points);
    return fixed;
}

}  // namespace

bool print_text(QPrinter& printer, const QString& text, const QString& title, QDate date) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QFont text_face = text_font(12);
    QFont number_face = text_face;
    number_face.setPointSize(8);
    painter.setFont(text_face);
    const QFontMetrics text_metrics(text_face, &printer);
    const QFontMetrics number_metrics(number_face, &printer);
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution()).translated(
        -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const int line_height = std::max(text_metrics.lineSpacing(), 1);
    const int cell = std::max(text_metrics.horizontalAdvance(QLatin1Char('W')), 1);
    const PrintMetrics metrics{area.height() / line_height, area.width() / cell - number_columns};
    const int text_left = number_columns * cell;

    bool first = true;
    lay_out_pages(text, title, date, metrics, [&](const PrintedPage& page) {
        if (!first && !printer.newPage()) return false;
        first = false;
        int baseline = text_metrics.ascent();
        painter.setFont(text_face);
        painter.drawText(text_left, baseline, page.header);
        painter.drawText(text_left, baseline += line_height, page.rule);
        for (const PrintedLine& line : page.lines) {
            baseline += line_height;
            if (!line.number.isEmpty()) {
                painter.setFont(number_face);
                painter.drawText(text_left - number_metrics.horizontalAdvance(line.number), baseline, line.number);
                painter.setFont(text_face);
            }
            painter.drawText(text_left, baseline, line.text);
        }
        return true;
    });
    return painter.end();
}

bool QtPrintForm::print(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    // The dialog proposes a PDF file by this name.
    printer.setDocName(QFileInfo(job.title).completeBaseName());
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) return false;
    return print_text(printer, job.text, job.title, QDate::currentDate());
}

}  // namespace tamsel
