// EnumChildWindows: the walk over a window's descendants.
#include <vector>

#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

using namespace vks::detail;

namespace {

// Taken before the first callback, so the callback may make, destroy or reorder windows: the
// walk visits what was there when it began, skipping what has gone since.
std::vector<HWND> windowsToVisit(HWND parent)
{
    WindowTable &table = windowTable();
    WindowLock guard;
    if (!parent)
        return table.topLevel();
    std::vector<HWND> windows;
    table.descendants(parent, windows);
    windows.erase(windows.begin());  // the parent itself
    return windows;
}

}  // namespace

BOOL WINAPI EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (hWndParent && !IsWindow(hWndParent)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        if (!lpEnumFunc) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        BOOL answer = FALSE;
        for (HWND hwnd : windowsToVisit(hWndParent)) {
            if (!IsWindow(hwnd))
                continue;
            answer = lpEnumFunc(hwnd, lParam);
            if (!answer)
                break;
        }
        return answer;
    });
}
