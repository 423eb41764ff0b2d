// Internal: what the message free list has done, for tests that show steady posting reuses
// its blocks.
#pragma once

#include <cstddef>

namespace vks::detail {

struct TmqBlockCounts {
    std::size_t fromHeap;  // blocks taken from the heap since the process started
    std::size_t free;      // blocks waiting in the free list now
};

TmqBlockCounts tmqBlockCounts();

}  // namespace vks::detail
