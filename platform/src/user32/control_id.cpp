// GetDlgCtrlID: the identifier a child window was created with.
#include <mutex>

#include "vksboundary.h"
#include "user32/window_table.h"
#include "windows.h"

// Like Windows, the window's GWLP_ID as it stands: a top-level window has none, so 0.
int WINAPI GetDlgCtrlID(HWND hWnd)
{
    return vks::atWin32Boundary<int>(0, [&]() -> int {
        vks::detail::WindowTable &table = vks::detail::windowTable();
        vks::detail::WindowLock guard;
        const vks::detail::WindowRecord *record = table.find(hWnd);
        if (!record) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        return static_cast<int>(record->id);
    });
}
