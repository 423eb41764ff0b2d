// The display lists of windows, and VksHostDrawnItems.
#include "gdi32/display_list.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "kernel32/no_destructor.h"
#include "vksboundary.h"

namespace vks::detail {

namespace {

// A window that draws on every timer tick without ever being painted anew would grow its list
// without end; beyond this many items the oldest go.
constexpr size_t kMaxItems = 4096;

struct DisplayLists {
    std::mutex lock;
    std::unordered_map<HWND, std::vector<VksDrawnItem>> items;
};

DisplayLists &displayLists()
{
    static NoDestructor<DisplayLists> lists;
    return *lists;
}

}  // namespace

void recordDrawn(HWND hwnd, const VksDrawnItem &item)
{
    DisplayLists &lists = displayLists();
    std::lock_guard guard(lists.lock);
    std::vector<VksDrawnItem> &drawn = lists.items[hwnd];
    if (drawn.size() == kMaxItems)
        drawn.erase(drawn.begin());
    drawn.push_back(item);
}

std::vector<VksDrawnItem> drawnOn(HWND hwnd)
{
    DisplayLists &lists = displayLists();
    std::lock_guard guard(lists.lock);
    const auto found = lists.items.find(hwnd);
    return found == lists.items.end() ? std::vector<VksDrawnItem>{} : found->second;
}

void forgetDrawn(HWND hwnd)
{
    DisplayLists &lists = displayLists();
    std::lock_guard guard(lists.lock);
    lists.items.erase(hwnd);
}

}  // namespace vks::detail

UINT VksHostDrawnItems(HWND window, VksDrawnItem *items, UINT capacity)
{
    return vks::atWin32Boundary<UINT>(0, [&]() -> UINT {
        if (!IsWindow(window))
            return 0;
        const std::vector<VksDrawnItem> drawn = vks::detail::drawnOn(window);
        if (items)
            std::copy_n(drawn.begin(), std::min<size_t>(capacity, drawn.size()), items);
        return static_cast<UINT>(drawn.size());
    });
}
