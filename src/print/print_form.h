#pragma once
// Printing a document through the desktop's print dialog (a PDF file included).
#include <QList>
#include <QString>

namespace tamsel {

struct PrintJob {
    QString text;
    QString title;  // the document's path; the header shows it in upper case
};

class PrintForm {
public:
    virtual ~PrintForm() = default;
    // Asks for the printer and prints job; false when the user cancelled or printing failed to start.
    virtual bool print(const PrintJob& job) = 0;
};

// For tests: keeps the jobs and answers as told.
class ScriptedPrintForm : public PrintForm {
public:
    QList<PrintJob> jobs;
    bool prints = true;
    bool print(const PrintJob& job) override {
        jobs.append(job);
        return prints;
    }
};

class CommandRegistry;
class EditorSession;
void register_print_commands(CommandRegistry& handlers, EditorSession& session);

}  // namespace tamsel
