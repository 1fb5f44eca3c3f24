#pragma once
// frm_funcfind, "Function/Sub List": the names of the declarations found, one of which the user picks.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tamsel {

class FunctionListForm {
public:
    virtual ~FunctionListForm() = default;
    // The name clicked, or nothing when the window was closed without a pick.
    virtual std::optional<QString> choose(const QStringList& names) = 0;
};

// For tests: picks the answer given (nothing: closes the window) and keeps the lists it was shown.
class ScriptedFunctionListForm : public FunctionListForm {
public:
    std::optional<QString> answer;
    QList<QStringList> shown;
    std::optional<QString> choose(const QStringList& names) override {
        shown.append(names);
        return answer;
    }
};

}  // namespace tamsel
