#include "core/document_set.h"

#include "platform/file_names.h"

#include <bitset>

namespace tamsel {

DocumentSet::~DocumentSet() { clear(); }

void DocumentSet::set_text_host(TextHost* host) {
    clear();
    host_ = host;
}

int DocumentSet::find_path(const QString& path) const {
    for (int i = 1; i <= count(); ++i)
        if (same_path(at(i).path, path)) return i;
    return 0;
}

int DocumentSet::free_number() const {
    std::bitset<max_documents + 1> used;
    for (const auto& d : docs_) used.set(static_cast<std::size_t>(d->number()));
    for (int n = 1; n <= max_documents; ++n)
        if (!used.test(static_cast<std::size_t>(n))) return n;
    return 0;
}

int DocumentSet::add(const QString& path) {
    const int number = free_number();
    if (number == 0) return 0;
    docs_.push_back(std::make_unique<Document>(number, path, host().new_text()));
    return count();
}

void DocumentSet::activate(int index) {
    if (index < 1 || index > count()) return;
    host().show_text(at(index).text());
    active_ = index;
}

void DocumentSet::remove(int index) {
    if (index < 1 || index > count()) return;
    if (index == active_) {
        host().show_text(nullptr);
        active_ = 0;
    } else if (index < active_) {
        --active_;
    }
    docs_.erase(docs_.begin() + (index - 1));
}

void DocumentSet::clear() {
    if (active_ > 0) host().show_text(nullptr);
    active_ = 0;
    docs_.clear();
}

std::optional<QString> DocumentSet::untitled_candidate(const QString& folder, const QString& extension) const {
    for (int n = 1; n <= max_untitled; ++n) {
        const QString candidate = untitled_path(folder, n, extension);
        if (find_path(candidate) == 0 && !QFileInfo::exists(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace tamsel
