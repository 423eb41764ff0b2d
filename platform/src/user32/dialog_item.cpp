// GetDlgItem.
#include <mutex>

#include "vksboundary.h"
#include "window_table.h"
#include "windows.h"

using namespace vks::detail;

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    return vks::atWin32Boundary<HWND>(nullptr, [&]() -> HWND {
        WindowTable &table = windowTable();
        std::lock_guard guard(table.lock);
        const WindowRecord *dialog = table.find(hDlg);
        if (!dialog) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        // Direct children only, in Z-order; identifiers compare as the 32-bit value the call takes.
        for (HWND child : dialog->children)
            if (static_cast<int>(table.find(child)->id) == nIDDlgItem)
                return child;
        SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
        return nullptr;
    });
}
