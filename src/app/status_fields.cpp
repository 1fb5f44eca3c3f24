#include "app/status_fields.h"

#include "core/document.h"
#include "core/document_kinds.h"

#include <array>

namespace tamsel {
namespace {

struct LineEndName {
    LineEnds ends;
    QStringView name;
};
constexpr std::array<LineEndName, 3> line_end_names = {{
    {LineEnds::CrLf, u"CR LF"},
    {LineEnds::Lf,   u"LF"},
    {LineEnds::Cr,   u"CR"},
}};

}  // namespace

StatusFields status_fields(const Document* doc, int line, int column, qsizetype selection_length) {
    StatusFields f;
    if (!doc) return f;
    f.position = QStringLiteral("Ln %1, Col %2").arg(line).arg(column);
    if (selection_length > 0) f.selection = QStringLiteral("Sel %1").arg(selection_length);
    const int type = doc->type();
    if (type >= 1 && type < static_cast<int>(document_type_names.size())) f.type = document_type_names[type].toString();
    f.encoding = encoding_name(doc->encoding);
    if (doc->encoding == TextEncoding::Utf8Bom) f.encoding += QStringLiteral(" BOM");
    for (const LineEndName& l : line_end_names)
        if (l.ends == doc->line_ends) f.line_ends = l.name.toString();
    return f;
}

}  // namespace tamsel
