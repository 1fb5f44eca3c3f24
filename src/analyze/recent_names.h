#pragma once
// The names looked up last, in front of a hash of many: a page uses a handful of tag names over and over,
// and comparing a short name costs less than hashing it.
#include <QString>
#include <array>
#include <cstring>

namespace tamsel {

template <typename Value>
class RecentNames {
public:
    // The value remembered for name, or null.
    const Value* find(const QString& name) const {
        const Slot& slot = slots_[slot_of(name)];
        return slot.used && same(slot.name, name) ? &slot.value : nullptr;
    }
    void remember(const QString& name, Value value) { slots_[slot_of(name)] = Slot{name, std::move(value), true}; }
    void clear() { slots_.fill(Slot{}); }

private:
    static constexpr std::size_t slot_count = 64;
    struct Slot {
        QString name;
        Value value{};
        bool used = false;
    };
    // Qt compares two QStrings by their order, a character at a time; equal names are equal memory.
    static bool same(const QString& a, const QString& b) {
        return a.size() == b.size() && std::memcmp(a.constData(), b.constData(), a.size() * sizeof(QChar)) == 0;
    }
    // From the length and the two ends, which differ between the names of a page.
    static std::size_t slot_of(const QString& name) {
        if (name.isEmpty()) return 0;
        const auto mix = static_cast<std::size_t>(name.size()) * 31 + name.front().unicode() * 7 + name.back().unicode();
        return mix % slot_count;
    }

    std::array<Slot, slot_count> slots_;
};

}  // namespace tamsel
