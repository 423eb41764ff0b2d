// IsChild and the top-level window a window belongs to.
#include <mutex>

#include "user32/window_state.h"
#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace vks::detail {

HWND rootOf(HWND hwnd)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    const WindowRecord *record = table.find(hwnd);
    while (record && record->parent)
        record = table.find(record->parent);
    return record ? record->handle : nullptr;
}

}  // namespace vks::detail

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        WindowTable &table = windowTable();
        WindowLock guard;
        // Only the parent chain counts: an owned window is no child of its owner.
        const WindowRecord *record = table.find(hWnd);
        while (record && record->parent) {
            if (record->parent == hWndParent)
                return TRUE;
            record = table.find(record->parent);
        }
        return FALSE;
    });
}
