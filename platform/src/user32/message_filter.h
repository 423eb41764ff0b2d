// Internal: which posted messages a GetMessageA / PeekMessageA call accepts.
#pragma once

#include <algorithm>
#include <vector>

#include "windows.h"

namespace vks::detail {

class MessageFilter {
public:
    // `windows` is the filter window and its descendants (empty for a NULL or (HWND)-1 filter).
    MessageFilter(HWND window, std::vector<HWND> windows, UINT first, UINT last)
        : window_(window), windows_(std::move(windows)), first_(first),
          // Both bounds 0 take every message number.
          last_(first == 0 && last == 0 ? ~0u : last)
    {
    }

    bool acceptsNumber(UINT message) const { return message >= first_ && message <= last_; }

    bool acceptsWindow(HWND hwnd) const
    {
        if (!window_)
            return true;
        if (window_ == threadOnly())
            return hwnd == nullptr;
        return std::find(windows_.begin(), windows_.end(), hwnd) != windows_.end();
    }

    bool accepts(const MSG &msg) const
    {
        return acceptsWindow(msg.hwnd) && acceptsNumber(msg.message);
    }

    static HWND threadOnly() { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)); }

private:
    HWND window_;
    std::vector<HWND> windows_;
    UINT first_;
    UINT last_;
};

}  // namespace vks::detail
