// Internal: one window per thread for the input state Windows keeps per thread (the active
// window, the focus window).
#pragma once

#include <mutex>
#include <unordered_map>

#include "windows.h"

namespace vks::detail {

class ThreadWindowSlot {
public:
    // The stored window, which may be gone; null when the thread has none.
    HWND of(DWORD threadId)
    {
        std::lock_guard guard(lock_);
        const auto found = windows_.find(threadId);
        return found == windows_.end() ? nullptr : found->second;
    }
    // Stores hwnd and returns what was stored before.
    HWND exchange(DWORD threadId, HWND hwnd)
    {
        std::lock_guard guard(lock_);
        HWND &slot = windows_[threadId];
        const HWND previous = slot;
        slot = hwnd;
        return previous;
    }
    // Stores hwnd only while `expected` is stored; true when it did.
    bool replace(DWORD threadId, HWND expected, HWND hwnd)
    {
        std::lock_guard guard(lock_);
        HWND &slot = windows_[threadId];
        if (slot != expected)
            return false;
        slot = hwnd;
        return true;
    }

private:
    std::mutex lock_;
    std::unordered_map<DWORD, HWND> windows_;
};

}  // namespace vks::detail
