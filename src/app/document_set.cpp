#include "app/document_set.h"

#include "app/document_kinds.h"
#include "platform/file_names.h"

#include <bitset>

namespace tamsel {

int DocumentSet::find_path(const QString& path) const {
    for (int i = 0; i < count(); ++i)
        if (same_path(records_[i].path, path)) return i + 1;
    return 0;
}

int DocumentSet::free_scratch_number() const {
    std::bitset<max_documents + 1> used;
    for (const DocumentRecord& r : records_)
        if (r.scratch_number > 0 && r.scratch_number <= max_documents) used.set(static_cast<std::size_t>(r.scratch_number));
    for (int n = 1; n <= max_documents; ++n)
        if (!used.test(static_cast<std::size_t>(n))) return n;
    return 0;
}

int DocumentSet::add(DocumentRecord record) {
    records_.append(std::move(record));
    return count();
}

void DocumentSet::remove(int index) { records_.removeAt(index - 1); }

std::optional<QString> DocumentSet::untitled_candidate(const QString& folder, const QString& extension) const {
    for (int n = 1; n <= max_untitled; ++n) {
        const QString candidate = untitled_path(folder, n, extension);
        if (find_path(candidate) == 0 && !QFileInfo::exists(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace tamsel
