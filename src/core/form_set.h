#pragma once
// The forms of the features, each behind its own interface: the window installs the Qt widgets, the tests
// scripted answers, the command line none. A feature asks for its form when its command runs; a form that
// is not installed is a question nobody can answer, and the feature treats it as Cancel.
#include <memory>
#include <typeindex>
#include <unordered_map>

namespace tamsel {

class FormSet {
public:
    // Owns form.
    template <typename Form>
    void install(std::unique_ptr<Form> form) {
        Form* raw = form.get();
        owned_[std::type_index(typeid(Form))] = std::shared_ptr<void>(std::move(form));
        forms_[std::type_index(typeid(Form))] = raw;
    }
    // Uses form, which outlives the set (a test's scripted form).
    template <typename Form>
    void use(Form& form) {
        owned_.erase(std::type_index(typeid(Form)));
        forms_[std::type_index(typeid(Form))] = &form;
    }
    template <typename Form>
    Form* find() const {
        const auto it = forms_.find(std::type_index(typeid(Form)));
        return it == forms_.end() ? nullptr : static_cast<Form*>(it->second);
    }

private:
    std::unordered_map<std::type_index, void*> forms_;
    std::unordered_map<std::type_index, std::shared_ptr<void>> owned_;
};

}  // namespace tamsel
