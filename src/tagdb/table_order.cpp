#include "tagdb/table_order.h"

#include "platform/text_codec.h"

namespace tamsel {

int compare_8bit(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        // A character outside the 8-bit set sorts by its own code, after every 8-bit one.
        const int ca = code_1252(a[i]);
        const int cb = code_1252(b[i]);
        const int ka = ca < 0 ? 0x10000 + a[i].unicode() : ca;
        const int kb = cb < 0 ? 0x10000 + b[i].unicode() : cb;
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace tamsel
