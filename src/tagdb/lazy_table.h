#pragma once
// A table of the database held as its file's bytes until something asks for it, then read once. A command
// reads only the tables it uses (a check never reads the style sheet, colour or vocabulary tables). The
// first asks may come from several threads at once: a site check reads the database on every core.
#include "tagdb/db_layout.h"

#include <atomic>
#include <mutex>

namespace tamsel {

template <typename Record>
class LazyTable {
public:
    using Reader = Table<Record> (*)(const QByteArray&);

    // The empty table, slot 0 alone.
    LazyTable() : table_{Record{}} {}
    // The table reader makes of bytes, when it is first asked for.
    LazyTable(QByteArray bytes, Reader reader) : bytes_(std::move(bytes)), reader_(reader), read_(false) {}
    // A copy shares the bytes or the table (both are implicitly shared) and reads on its own.
    LazyTable(const LazyTable& other) { assign(other); }
    LazyTable& operator=(const LazyTable& other) {
        if (this != &other) assign(other);
        return *this;
    }

    const Table<Record>& table() const {
        if (!read_.load(std::memory_order_acquire)) {
            const std::lock_guard lock(mutex_);
            if (!read_.load(std::memory_order_relaxed)) {
                table_ = reader_(bytes_);
                bytes_ = QByteArray();
                read_.store(true, std::memory_order_release);
            }
        }
        return table_;
    }
    Table<Record>& edit() {
        table();
        return table_;
    }

private:
    void assign(const LazyTable& other) {
        const std::lock_guard lock(other.mutex_);
        table_ = other.table_;
        bytes_ = other.bytes_;
        reader_ = other.reader_;
        read_.store(other.read_.load(std::memory_order_relaxed), std::memory_order_relaxed);
    }

    mutable Table<Record> table_;
    mutable QByteArray bytes_;
    Reader reader_ = nullptr;
    mutable std::atomic<bool> read_{true};
    mutable std::mutex mutex_;
};

}  // namespace tamsel
