#pragma once
// What the harnesses share: the shipped database, loaded once, and the bytes of an input as a page.
#include "platform/text_codec.h"
#include "tagdb/tag_database.h"

#include <QByteArray>
#include <cstdint>

namespace tamsel::fuzz {

inline const TagDatabase& database() {
    static const TagDatabase db = [] {
        TagDatabase loaded;
        loaded.load_database(QStringLiteral(TAMSEL_FUZZ_DATA));
        loaded.prepare_for_readers();
        return loaded;
    }();
    return db;
}

inline QByteArray bytes_of(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The page as the editor would decode the file.
inline QString page_of(const uint8_t* data, size_t size) { return decode_document(bytes_of(data, size)).text; }

}  // namespace tamsel::fuzz
