#include "cli/held_output.h"

#include "cli/cli_common.h"
#include "cli/problem_lines.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

namespace tamsel::cli {

void HeldOutput::hold(const QByteArray& part) {
    if (!file_failed_) {
        // Flushed part by part: a full disk shows at once, and the parts before stay whole in the file.
        if ((file_.isOpen() || file_.open()) && file_.write(part) == part.size() && file_.flush()) {
            in_file_ += part.size();
            return;
        }
        file_failed_ = true;
    }
    in_memory_ += part;
}

bool HeldOutput::release(const QByteArray& rest) {
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) return false;
    if (in_file_ > 0) {
        // A write that failed may have left part of its part behind it; only whole parts are read back.
        bool read = file_.seek(0);
        for (qint64 left = in_file_; read && left > 0;) {
            const QByteArray block = file_.read(std::min<qint64>(left, 1 << 20));
            read = !block.isEmpty();
            if (read && out.write(block) != block.size()) return false;
            left -= block.size();
        }
        if (!read) {
            err() << "tamsel: cannot read back '" << escaped_for_terminal(file_.fileName()) << "': " << file_.errorString()
                  << Qt::endl;
            return false;
        }
    }
    return out.write(in_memory_) == in_memory_.size() && out.write(rest) == rest.size() && out.flush();
}

}  // namespace tamsel::cli
