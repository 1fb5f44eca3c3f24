#include "wizards/new_document.h"

#include "core/form_set.h"
#include "wizards/new_document_form.h"

#include <QDir>
#include <QMap>
#include <algorithm>

namespace tamsel {
namespace {

constexpr QLatin1String template_suffix(".tpl");

}  // namespace

const NewDocumentKind* find_new_document_kind(QStringView id) {
    for (const NewDocumentKind& k : new_document_kinds)
        if (k.id == id) return &k;
    return nullptr;
}

QList<TemplateEntry> list_templates(const QStringList& folders) {
    QMap<QString, QString> by_name;  // name -> path; a later folder overwrites
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files | QDir::Readable)) {
            if (file.size() <= template_suffix.size() || !file.endsWith(template_suffix, Qt::CaseInsensitive)) continue;
            by_name.insert(file.chopped(template_suffix.size()), dir.filePath(file));
        }
    }
    QList<TemplateEntry> entries;
    for (auto it = by_name.cbegin(); it != by_name.cend(); ++it) entries.append({it.key(), it.value()});
    std::stable_sort(entries.begin(), entries.end(), [](const TemplateEntry& a, const TemplateEntry& b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

std::optional<NewDocumentRequest> ask_new_document(const FormSet& forms, const QStringList& template_folders) {
    NewDocumentForm* kinds = forms.find<NewDocumentForm>();
    if (!kinds) return std::nullopt;
    const NewDocumentKind* kind = find_new_document_kind(kinds->choose());
    if (!kind) return std::nullopt;
    if (kind->id != template_kind_id) return NewDocumentRequest{kind, {}};
    TemplateForm* templates = forms.find<TemplateForm>();
    if (!templates) return std::nullopt;
    const std::optional<QString> path = templates->choose(list_templates(template_folders));
    if (!path || path->isEmpty()) return std::nullopt;
    return NewDocumentRequest{kind, *path};
}

}  // namespace tamsel
