#include "app/heap_tuning.h"

#include <malloc.h>

namespace kelvo {

void KeepLargeBlocksInHeap() {
#if defined(__GLIBC__)
    // Above the largest layout block of a few megabytes of text, and the freed top of the heap
    // is kept for the next one instead of being handed back at once.
    constexpr int kMapThreshold = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, kMapThreshold);
    mallopt(M_TRIM_THRESHOLD, 2 * kMapThreshold);
#endif
}

} // namespace kelvo
