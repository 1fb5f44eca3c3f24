#include "platform/large_blocks.h"

#include <cstdlib>  // says whether the C library is glibc
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tamsel {

void map_large_blocks_apart() {
#if defined(__GLIBC__)
    // Setting the threshold also stops glibc from raising it each time a mapped block is freed.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

}  // namespace tamsel
