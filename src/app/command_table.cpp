#include "app/command_table.h"

namespace tamsel {

const CommandDef* find_command(QStringView id) {
    for (const CommandDef& c : command_table)
        if (c.id == id && id != u"-") return &c;
    return nullptr;
}

}  // namespace tamsel
