#include "support/growth_support.h"

#include <algorithm>
#include <ctime>
#include <limits>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tamsel::test {
namespace {

constexpr int factor = 8;
constexpr double limit = 24;
constexpr double enough_seconds = 0.015;      // far above the clock's resolution and the cost of a call
constexpr qsizetype largest_input = 1 << 22;  // characters of the bigger input; a fast step stops growing here
// A round at least thrice before trusting a pass, so a pause of the small run alone cannot hide a slow
// step; more rounds when the ratio is high, so a pause of the big run alone cannot fail a fast one.
constexpr int fewest_rounds = 3;
constexpr int most_rounds = 7;

// The processor time of this program: other programs on a busy machine do not count.
double cpu_seconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

// While it lives, memory a run frees stays with the program for the next run. Otherwise freed big blocks go
// back to the system and every run pays again for fresh pages, a cost that sets in only above some size: it
// alone made a single pass take 20 times as long at 8 times the size.
class KeptMemory {
public:
#ifdef __GLIBC__
    KeptMemory() {
        mallopt(M_MMAP_THRESHOLD, 1 << 30);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
    ~KeptMemory() {
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        mallopt(M_TRIM_THRESHOLD, 128 * 1024);
        malloc_trim(0);
    }
#endif
    KeptMemory(const KeptMemory&) = delete;
    KeptMemory& operator=(const KeptMemory&) = delete;
};

double seconds_of(const std::function<void()>& step) {
    const double start = cpu_seconds();
    step();
    return cpu_seconds() - start;
}

}  // namespace

QString growth_beyond_linear(InputOfSize input, const StepOn& step_on) {
    const KeptMemory kept;
    int n = 64;
    qsizetype small_size = 0;
    std::function<void()> small;
    do {
        n *= 2;
        const QString text = input(n);
        small_size = text.size();
        small = step_on(text);
    } while (seconds_of(small) < enough_seconds && small_size * factor * 2 <= largest_input);
    const QString big_text = input(n * factor);
    const std::function<void()> big = step_on(big_text);

    double best_small = std::numeric_limits<double>::infinity();
    double best_big = best_small;
    for (int round = 1; round <= most_rounds; ++round) {
        best_small = std::min(best_small, seconds_of(small));
        best_big = std::min(best_big, seconds_of(big));
        if (round >= fewest_rounds && best_big < limit * best_small) return {};
    }
    return QStringLiteral("%1 characters took %2 ms, %3 characters %4 ms: %5 times as long, not below %6")
        .arg(small_size)
        .arg(best_small * 1000, 0, 'f', 1)
        .arg(big_text.size())
        .arg(best_big * 1000, 0, 'f', 1)
        .arg(best_big / best_small, 0, 'f', 1)
        .arg(limit);
}

}  // namespace tamsel::test
