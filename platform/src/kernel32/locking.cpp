// The lock-order checks of builds with checks.
#include "kernel32/locking.h"

#if defined(VKS_LOCK_CHECKS)

#include <cstdio>
#include <cstdlib>

namespace vks::detail::lock_order {

namespace {

// The levels the calling thread holds, one bit each.
thread_local unsigned heldLevels = 0;

unsigned bitOf(LockLevel level)
{
    return 1u << static_cast<unsigned>(level);
}

const char *nameOf(LockLevel level)
{
    switch (level) {
    case LockLevel::Window:
        return "the window lock";
    case LockLevel::Queue:
        return "a message queue's lock";
    case LockLevel::Leaf:
        return "a leaf lock";
    }
    return "a lock";
}

[[noreturn]] void fail(const char *rule, const char *what)
{
    std::fprintf(stderr, "vksplatform: lock rule broken: %s %s\n", rule, what);
    std::abort();
}

}  // namespace

void taking(LockLevel level)
{
    // Every level held must lie below the one taken.
    if (heldLevels >= bitOf(level))
        fail("a lock of the same or a higher level is held while taking", nameOf(level));
    heldLevels |= bitOf(level);
}

void released(LockLevel level)
{
    heldLevels &= ~bitOf(level);
}

void checkNoneHeld(const char *callOut)
{
    if (heldLevels != 0)
        fail("a platform lock is held while the platform calls", callOut);
}

}  // namespace vks::detail::lock_order

#endif
