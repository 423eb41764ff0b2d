// Internal: what the message free list has done, for tests that show steady posting reuses
// its blocks; and its closing when the library unloads.
#pragma once

#include <cstddef>

namespace vks::detail {

struct TmqBlockCounts {
    std::size_t fromHeap;  // blocks taken from the heap since the process started
    std::size_t free;      // blocks waiting in the free list now
};

TmqBlockCounts tmqBlockCounts();

// Empties the free list for good: from now on deleted messages go straight back to the heap.
// The library's stop calls it once the entry point has seen the detach.
void closeMessagePool();

}  // namespace vks::detail
