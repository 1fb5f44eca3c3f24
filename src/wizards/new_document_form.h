#pragma once
// frm_NewDoc ("Create New Document": which kind of document to make) and frm_Template ("Load Document
// Template": which template to fill it from), as the "New" command asks them. The window shows them with
// NewDocumentDialog and TemplateDialog, the tests answer them with the scripted forms below.
#include "wizards/new_document.h"

#include <deque>

namespace tamsel {

class NewDocumentForm {
public:
    virtual ~NewDocumentForm() = default;
    // Shows the form modally: the tool id of the kind clicked, or empty for Cancel.
    virtual QString choose() = 0;
};

class TemplateForm {
public:
    virtual ~TemplateForm() = default;
    // Lists entries and returns the path of the one confirmed, or nothing for Cancel.
    virtual std::optional<QString> choose(const QList<TemplateEntry>& entries) = 0;
};

// Answers with each tool id in turn; when none is left, a blank HTML page.
class ScriptedNewDocument : public NewDocumentForm {
public:
    std::deque<QString> answers;
    int showings = 0;

    QString choose() override {
        ++showings;
        if (answers.empty()) return new_document_kinds.front().id.toString();
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Answers with each entry name in turn (nothing: Cancel); a name that is not listed cannot be chosen,
// and when no answer is left the form is cancelled.
class ScriptedTemplateForm : public TemplateForm {
public:
    std::deque<std::optional<QString>> answers;
    QList<QList<TemplateEntry>> shown;

    std::optional<QString> choose(const QList<TemplateEntry>& entries) override {
        shown.append(entries);
        if (answers.empty()) return std::nullopt;
        const std::optional<QString> name = answers.front();
        answers.pop_front();
        for (const TemplateEntry& e : entries)
            if (name && e.name == *name) return e.path;
        return std::nullopt;
    }
};

}  // namespace tamsel
