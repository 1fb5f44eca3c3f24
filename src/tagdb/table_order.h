#pragma once
// Ordering of database texts: by the 8-bit character code, unsigned, a shorter prefix first, so "A" < "B" < "a".
// The tables are put in order by an exchange sort (for each i, for each later j, swap when i's key is greater);
// where no two kept keys are equal every sort gives that same order, so the standard sort is used, and the
// exchange sort only where equal keys make its particular order matter.
#include <QList>
#include <QString>
#include <algorithm>

namespace tamsel {

int compare_8bit(const QString& a, const QString& b);

// Sorts slots 1.. of table ascending by less(a, b), leaving slot 0 alone. is_dropped marks records that sort
// last and are cut off afterwards, so equal keys among those at the end do not matter.
template <typename Record, typename Less, typename Dropped>
void sort_slots(QList<Record>& table, Less less, Dropped is_dropped) {
    if (table.size() <= 2) return;
    QList<Record> sorted = table;
    std::sort(sorted.begin() + 1, sorted.end(), less);
    // Only the dropped records at the very end are cut off; equal keys anywhere before them decide the order.
    qsizetype kept_end = sorted.size();
    while (kept_end > 1 && is_dropped(sorted[kept_end - 1])) --kept_end;
    bool ties = false;
    for (qsizetype i = 2; i < kept_end && !ties; ++i) ties = !less(sorted[i - 1], sorted[i]);
    if (!ties) {
        table = std::move(sorted);
        return;
    }
    for (qsizetype i = 1; i + 1 < table.size(); ++i)
        for (qsizetype j = i + 1; j < table.size(); ++j)
            if (less(table[j], table[i])) std::swap(table[i], table[j]);
}

}  // namespace tamsel
