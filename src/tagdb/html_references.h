#pragma once
// The named character references of HTML 4.01 (and "apos"), with their character codes. The validator
// accepts these beside the system's own entity table, which holds only the characters the text import
// turns into references; a reference HTML defines is never reported as undefined.
#include <QStringView>
#include <array>

namespace tamsel {

struct HtmlReference {
    QStringView name;
    int code;
};

extern const std::array<HtmlReference, 253> html_references;

}  // namespace tamsel
