#pragma once
// The printout on paper or in a PDF file: "Courier New" at 12 points (the system's nearest monospace
// where it has no Courier New), line numbers at 8 points, as many lines and characters as the page
// holds.
#include "print/print_form.h"

#include <QDate>

class QPrinter;
class QWidget;

namespace tamsel {

// Prints text on printer, already set up; false when the printer cannot be painted on.
bool print_text(QPrinter& printer, const QString& text, const QString& title, QDate date);

class QtPrintForm : public PrintForm {
public:
    explicit QtPrintForm(QWidget* parent) : parent_(parent) {}
    bool print(const PrintJob& job) override;

private:
    QWidget* parent_;
};

}  // namespace tamsel
