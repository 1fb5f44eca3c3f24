#pragma once
// Control arrays of the forms (Text(0), chk_browser(2), Command(1)) are Qt objects named with the index
// after an underscore: "Text_0", "chk_browser_2", "Command_1".
#include <QString>

namespace tamsel {

inline QString indexed_name(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

}  // namespace tamsel
